#include "hazards/CDrifter.h"

#include <array>
#include <string_view>

#include "app/CGermDlg.h"
#include "hazards/RandomDraw.h"

namespace {

struct DirectionStep {
    std::string_view strWord;
    int nDx;
    int nDy;
};

// Unit steps of the steered mode; any other word does not move.
constexpr std::array<DirectionStep, 8> kSteps{{
    {"right", 1, 0},
    {"left", -1, 0},
    {"upleft", -1, -1},
    {"downleft", -1, 1},
    {"upright", 1, -1},
    {"downright", 1, 1},
    {"down", 0, 1},
    {"up", 0, -1},
}};

// A wall the box touches, and the three words it may send the drifter off in.
struct WallTurn {
    bool bTouches;
    std::array<const char*, 3> pszWords;
};

constexpr int kZigzagRightLimit = 6;
constexpr int kZigzagLeftLimit = -5;
constexpr int kHomingSideStep = 2;

}  // namespace

void CDrifter::Spawn(Rect rcArea, Platform& platform)
{
    const int nSeconds = platform.GetLocalSeconds();
    const int nX = DrawRepeated(platform, nSeconds, rcArea.right - rcArea.left, m_rcBox.right);
    m_rcBox = Rect{nX - kSize, rcArea.top - kSize, nX, rcArea.top};
}

void CDrifter::Move(int nSpeed, CGermDlg& dlg)
{
    if (m_bSteered == 1) {
        MoveSteered(nSpeed, dlg);
    } else if (m_bHoming != 0) {
        MoveHoming(nSpeed, dlg);
    } else if (m_bZigzag == 0) {
        Shift(0, nSpeed);
    } else {
        MoveZigzag(nSpeed);
    }
}

void CDrifter::MoveZigzag(int nSpeed)
{
    if (m_bSwingRight == 1 && m_nSwing < kZigzagRightLimit) {
        Shift(nSpeed, nSpeed);
        if (++m_nSwing == kZigzagRightLimit) {
            m_bSwingRight = 0;
        }
    } else if (m_bSwingRight == 0 && m_nSwing > kZigzagLeftLimit) {
        Shift(-nSpeed, nSpeed);
        if (--m_nSwing == kZigzagLeftLimit) {
            m_bSwingRight = 1;
        }
    }
}

void CDrifter::MoveHoming(int nSpeed, CGermDlg& dlg)
{
    const Point ptGerm = dlg.GetGermPos();
    const int nCentre = m_rcBox.left + kSize / 2;
    int nDx = 0;
    if (ptGerm.x > nCentre) {
        nDx = kHomingSideStep;
    } else if (ptGerm.x < nCentre) {
        nDx = -kHomingSideStep;
    }
    Shift(nDx, nSpeed);
}

void CDrifter::MoveSteered(int nSpeed, CGermDlg& dlg)
{
    for (const DirectionStep& step : kSteps) {
        if (step.strWord == m_strDirection) {
            Shift(step.nDx * nSpeed, step.nDy * nSpeed);
            break;
        }
    }
    TurnAtWalls(dlg);
}

void CDrifter::TurnAtWalls(CGermDlg& dlg)
{
    Platform& platform = dlg.GetPlatform();
    const Rect& rcClient = dlg.m_rcClient;
    const int nSeconds = platform.GetLocalSeconds();
    // Later walls override earlier ones: a corner at the bottom ends going up.
    const std::array<WallTurn, 4> turns{{
        {m_rcBox.right >= rcClient.right, {"left", "upleft", "downleft"}},
        {m_rcBox.left <= rcClient.left, {"right", "upright", "downright"}},
        {m_rcBox.top <= rcClient.top, {"down", "downleft", "downright"}},
        {m_rcBox.bottom >= rcClient.bottom, {"up", "upleft", "upright"}},
    }};
    int nChoice = 0;
    for (const WallTurn& turn : turns) {
        if (turn.bTouches) {
            nChoice = DrawRepeated(platform, nSeconds, 3, nChoice);
            m_strDirection = turn.pszWords[static_cast<std::size_t>(nChoice)];
        }
    }
}

void CDrifter::Shift(int nDx, int nDy)
{
    m_rcBox.left += nDx;
    m_rcBox.right += nDx;
    m_rcBox.top += nDy;
    m_rcBox.bottom += nDy;
}
