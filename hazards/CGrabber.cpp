#include "hazards/CGrabber.h"

#include "platform/Platform.h"
#include "platform/ResourceIds.h"

namespace {

constexpr int kHalf = CGrabber::kSize / 2;
constexpr int kSlideStep = 5;
// The cycle: sliding in up to here, grabbing up to kSlideOutStart, then
// sliding out until kCycleEnd brings a respawn.
constexpr int kGrabStart = 15;
constexpr int kSlideOutStart = 50;
constexpr int kCycleEnd = 65;

}  // namespace

// Two draws a pass, height then side, as many passes as the seconds field;
// the last pass counts.
void CGrabber::Spawn(Rect rcArea, Platform& platform)
{
    const int nSeconds = platform.GetLocalSeconds();
    int nY = m_ptAnchor.y;
    int nSide = 0;
    for (int i = 0; i < nSeconds; ++i) {
        nY = platform.Rand() % (rcArea.bottom - rcArea.top);
        nSide = platform.Rand() % 2;
    }
    // Just outside the side edge: the body's inner edge lies on it.
    const int nX = nSide == 0 ? rcArea.left - kHalf : rcArea.right + kHalf;
    m_nSide = nSide;
    m_ptAnchor = Point{nX, nY};
    m_rcBox = Rect{nX - kHalf, nY - kHalf, nX + kHalf, nY + kHalf};
}

void CGrabber::SlideIn()
{
    Slide(kSlideStep);
}

void CGrabber::SlideOut()
{
    Slide(-kSlideStep);
}

// nInward > 0 moves toward the play area; an unknown side does not move.
void CGrabber::Slide(int nInward)
{
    int nDx = 0;
    if (m_nSide == 0) {
        nDx = nInward;
    } else if (m_nSide == 1) {
        nDx = -nInward;
    }
    m_rcBox.left += nDx;
    m_rcBox.right += nDx;
    m_ptAnchor.x += nDx;
}

void CGrabber::Advance(Rect rcArea, Platform& platform)
{
    const int nPhase = m_nPhase;
    if (nPhase < 0) {
        return;
    }
    if (nPhase < kGrabStart) {
        SlideIn();
        m_nPhase = nPhase + 1;
        return;
    }
    if (nPhase < kSlideOutStart) {
        if (nPhase == kGrabStart) {
            platform.PlaySound(ids::kSoundGrab);
        }
        m_bGrabbing = 1;
        m_nPhase = nPhase + 1;
        return;
    }
    if (nPhase < kCycleEnd) {
        SlideOut();
        m_bGrabbing = 0;
        m_nPhase = nPhase + 1;
    }
    if (m_nPhase >= kCycleEnd) {
        m_nPhase = 0;
        Spawn(rcArea, platform);
    }
}
