#pragma once
// A red cell of the first wave: falls straight, zig-zags, homes in on the
// germ or flies steered along a compass word, turning at the walls. Released
// by the first-wave timer, then drawn, tested and moved by UpdateFirstWave.
#include <string>

#include "platform/Geometry.h"

class CGermDlg;
class Platform;

class CDrifter {
public:
    CDrifter() = default;
    CDrifter(const CDrifter&) = default;
    CDrifter& operator=(const CDrifter&) = default;
    virtual ~CDrifter() = default;

    // Places the box just above rcArea at a random x (kept when the seconds
    // field is 0). Flags, swing and direction stay as they are.
    void Spawn(Rect rcArea, Platform& platform);
    // One frame of movement in the drifter's mode, nSpeed pixels.
    void Move(int nSpeed, CGermDlg& dlg);
    void MoveHoming(int nSpeed, CGermDlg& dlg);
    void MoveSteered(int nSpeed, CGermDlg& dlg);
    void TurnAtWalls(CGermDlg& dlg);

    std::string m_strDirection = "down";
    int m_bSteered = 0;
    int m_bHoming = 0;
    int m_bSwingRight = 0;
    int m_nSwing = 0;
    int m_bZigzag = 0;
    int m_bActive = 0;
    // Never spawned: an empty box at the origin, so a spawn at second 0 keeps
    // x = 0 instead of reading an unset edge.
    Rect m_rcBox{0, 0, 0, 0};

    static constexpr int kSize = 50;

private:
    void MoveZigzag(int nSpeed);
    void Shift(int nDx, int nDy);
};
