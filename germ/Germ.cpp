// The germ is the real cursor: where hazards see it, how the walls push it
// back, and how it dies.
#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "app/HelpTexts.h"
#include "platform/ResourceIds.h"

namespace {

constexpr int kPushStep = 20;        // pixels per frame
constexpr int kPushFrames = 10;      // a push lasts this long, then hits reset
constexpr int kDeadlyWallHits = 7;

}  // namespace

// Relative to the window's outer top-left, less the menu bar: the point the
// hazards' boxes are tested against.
Point CGermDlg::GetGermPos()
{
    Point pt;
    m_platform.GetCursorPos(pt);
    const Rect rc = m_platform.GetWindowRect();
    return Point{pt.x - rc.left, pt.y - rc.top - m_platform.GetMenuBarHeight()};
}

void CGermDlg::SteerGerm()
{
    Point pt;
    if (!m_platform.GetCursorPos(pt)) {
        // Nothing to push from. Frames go on behind the box, so only one.
        if (!m_bCursorBoxOpen) {
            m_bCursorBoxOpen = true;
            m_platform.MessageBox(kCursorReadFailedText);
            m_bCursorBoxOpen = false;
        }
        return;
    }
    const Rect rc = m_platform.GetWindowRect();
    // Each test on its own: a corner counts twice and the vertical one wins.
    auto hit = [this](const char* pszDir) {
        ++m_nWallHits;
        m_strPushDir = pszDir;
    };
    if (pt.x <= rc.left) hit("Right");
    if (pt.x >= rc.right) hit("Left");
    if (pt.y >= rc.bottom) hit("Up");
    if (pt.y <= rc.top) hit("Down");
    if (m_nWallHits >= kDeadlyWallHits) {
        KillGerm();
    }
    if (m_nPushFrames >= kPushFrames) {
        m_strPushDir = "Nowhere";
        m_nPushFrames = 0;
        m_nWallHits = 0;
    }
    if (m_strPushDir != "Nowhere") {
        ++m_nPushFrames;
    }
    if (m_strPushDir == "Right") {
        m_platform.SetCursorPos(Point{pt.x + kPushStep, pt.y});
    } else if (m_strPushDir == "Left") {
        m_platform.SetCursorPos(Point{pt.x - kPushStep, pt.y});
    } else if (m_strPushDir == "Up") {
        m_platform.SetCursorPos(Point{pt.x, pt.y - kPushStep});
    } else if (m_strPushDir == "Down") {
        m_platform.SetCursorPos(Point{pt.x, pt.y + kPushStep});
    }
}

int CGermDlg::KillGermInside(const Rect& rc)
{
    if (!rc.ContainsInclusive(GetGermPos())) {
        return 0;
    }
    KillGerm();
    return 1;
}

void CGermDlg::KillGerm()
{
    ClearLevel();
    m_nState = game::kStateIdle;
    m_platform.PlaySound(ids::kSoundDeath);
    m_platform.MessageBox(kDeathText);
}
