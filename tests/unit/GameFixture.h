#pragma once
// A game window on the fake platform, started as the host starts it, in a
// fresh working directory of its own (the progress file lives there).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/CGermDlg.h"
#include "app/CAboutDlg.h"
#include "app/GameConstants.h"
#include "hazards/CBurster.h"
#include "hazards/CChaser.h"
#include "hazards/CDrifter.h"
#include "hazards/CGrabber.h"
#include "hazards/CSyringe.h"
#include "platform/ResourceIds.h"
#include "tests/support/FakePlatform.h"

class GameFixture : public ::testing::Test {
protected:
    GameFixture();
    ~GameFixture() override;

    // Writes raw bytes to the progress file.
    void WriteProgressBytes(const std::vector<unsigned char>& bytes);
    void WriteProgress(int nProgress);
    // A progress file's bytes; empty when there is none.
    static std::vector<unsigned char> ProgressBytes(const std::filesystem::path& path = kProgressFileName);
    // Picks a "Start" item the way a player does: only when enabled.
    void Choose(int nCommandId);
    // Puts the pointer where GetGermPos reads client point pt.
    void PlaceGermAt(Point pt);
    // Every box where a live hazard could touch the germ, in germ points.
    std::vector<Rect> HazardBoxes() const;
    // A player who dodges: keeps the germ, or moves it, well away from every
    // hazard's box. False when there is no such point.
    bool Dodge();
    // Plays frame after frame, dodging, while goOn() holds, at most nLimit
    // frames. False when the germ found nowhere to hide or the limit ran out.
    bool PlayDodging(const std::function<bool()>& goOn, int nLimit = 2000);

    std::filesystem::path m_dir;
    std::filesystem::path m_oldDir;
    FakePlatform m_platform;
    CGermDlg m_dlg{m_platform};
};
