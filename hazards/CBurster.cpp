#include "hazards/CBurster.h"

#include <array>

#include "platform/Platform.h"
#include "platform/ResourceIds.h"
#include "hazards/RandomDraw.h"

namespace {

struct FragmentStep {
    int nDx;
    int nDy;
};

// Fragment directions, index order: up, up-right, right, down-right, down,
// down-left, left, up-left.
constexpr std::array<FragmentStep, 8> kFragmentSteps{{
    {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1},
}};

constexpr int kFragmentSpeed = 20;
// Fragments start stacked in the middle of the cell.
constexpr int kFragmentInset = (CBurster::kSize - CBurster::kFragmentSize) / 2;
// Each band reaches this far above and below its line, bounds included.
constexpr int kBandReach = 30;
constexpr int kChoices = 3;
constexpr int kFirstBandChoice = 0;
constexpr int kSecondBandChoice = 1;

bool InBand(int nBottom, int nLine)
{
    return nLine - kBandReach <= nBottom && nBottom <= nLine + kBandReach;
}

// A band's one chance: taken when the choice fits while it is open, else spent.
bool TakeChance(int& bChance, bool bChoiceFits)
{
    if (bChoiceFits && bChance == 1) {
        return true;
    }
    bChance = 0;
    return false;
}

}  // namespace

void CBurster::Spawn(Rect rcArea, Platform& platform)
{
    const int nSeconds = platform.GetLocalSeconds();
    // No left offset: every caller's area starts at x = 0.
    const int nX = DrawRepeated(platform, nSeconds, rcArea.right - rcArea.left, m_rcBox.right);
    m_rcBox = Rect{nX, rcArea.top - kSize, nX + kSize, rcArea.top};
}

void CBurster::Step(Rect rcArea, int nSpeed, Platform& platform)
{
    if (m_bBurst != 0) {
        MoveFragments(rcArea, platform);
        return;
    }
    m_rcBox.top += nSpeed;
    m_rcBox.bottom += nSpeed;
    CheckBurst(rcArea, platform);
}

// The first frame found in a band decides that band's one chance; the third
// band, across the bottom edge, always bursts. Callers' areas start at y = 0,
// so the lower bands need no top offset.
void CBurster::CheckBurst(Rect rcArea, Platform& platform)
{
    const int nChoice = DrawRepeated(platform, platform.GetLocalSeconds(), kChoices, 0);
    const int nThird = (rcArea.bottom - rcArea.top) / 3;
    const int nBottom = m_rcBox.bottom;
    if (InBand(nBottom, rcArea.top + nThird) && TakeChance(m_bFirstChance, nChoice == kFirstBandChoice)) {
        Burst(platform);
    }
    if (InBand(nBottom, 2 * nThird) && TakeChance(m_bSecondChance, nChoice == kSecondBandChoice)) {
        Burst(platform);
    }
    if (InBand(nBottom, 3 * nThird)) {
        Burst(platform);
    }
}

void CBurster::Burst(Platform& platform)
{
    m_bBurst = 1;
    platform.PlaySound(ids::kSoundBurst);
    StartBurst();
}

void CBurster::StartBurst()
{
    for (Point& pt : m_ptFragment) {
        pt = Point{m_rcBox.left + kFragmentInset, m_rcBox.top + kFragmentInset};
    }
}

void CBurster::MoveFragments(Rect rcArea, Platform& platform)
{
    bool bAllOut = true;
    for (std::size_t i = 0; i < kFragmentSteps.size(); ++i) {
        Point& pt = m_ptFragment[i];
        pt.x += kFragmentSteps[i].nDx * kFragmentSpeed;
        pt.y += kFragmentSteps[i].nDy * kFragmentSpeed;
        // A corner on an edge is still in.
        bAllOut = bAllOut && (pt.x < rcArea.left || pt.x > rcArea.right || pt.y < rcArea.top ||
                              pt.y > rcArea.bottom);
    }
    if (bAllOut) {
        m_bFirstChance = 1;
        m_bSecondChance = 1;
        m_bBurst = 0;
        Spawn(rcArea, platform);
    }
}
