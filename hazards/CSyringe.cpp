#include "hazards/CSyringe.h"

#include <array>

#include "app/CGermDlg.h"
#include "platform/ResourceIds.h"

namespace {

// The left-wall body from its tip, in drawing order; the right-wall body is
// the same shape turned half a turn about the tip.
constexpr std::array<Point, 4> kLeftWallBody{{{0, 0}, {-120, 0}, {-120, 30}, {-70, 30}}};

constexpr int kSlideStep = 5;
constexpr int kSprayStep = 15;   // also the first puff's size
constexpr int kSides = 2;

// Cycle phases: sliding in, spraying (started, extended, trailing off),
// withdrawing, then a new spawn.
constexpr int kSprayStart = 20;
constexpr int kExtendEnd = 100;
constexpr int kCycle = 140;

enum SprayStage { kStart = 1, kExtend = 2, kTrailOff = 3 };

// +1 for the left wall, -1 for the right, 0 for a side that does not move.
int InwardSign(int nSide)
{
    return nSide == 0 ? 1 : nSide == 1 ? -1 : 0;
}

void ShiftBody(Point (&ptBody)[4], int nDx)
{
    for (Point& pt : ptBody) {
        pt.x += nDx;
    }
}

}  // namespace

void CSyringe::Spawn(CGermDlg& dlg)
{
    const Rect& rc = dlg.m_rcClient;
    Platform& platform = dlg.GetPlatform();
    const int nSeconds = platform.GetLocalSeconds();
    // At second 0 no draw: the left wall at the height the tip had.
    int nY = m_ptBody[0].y;
    int nSide = 0;
    for (int i = 0; i < nSeconds; ++i) {
        nY = platform.Rand() % (rc.bottom - rc.top);
        nSide = platform.Rand() % kSides;
    }
    m_nSide = nSide;
    m_ptBody[0] = Point{nSide != 0 ? rc.right : rc.left, nY};
    PlaceBody();
}

void CSyringe::PlaceBody()
{
    const int nSign = m_nSide == 0 ? 1 : -1;
    for (std::size_t i = 1; i < kLeftWallBody.size(); ++i) {
        m_ptBody[i] = Point{m_ptBody[0].x + nSign * kLeftWallBody[i].x,
                            m_ptBody[0].y + nSign * kLeftWallBody[i].y};
    }
}

void CSyringe::SlideIn()
{
    ShiftBody(m_ptBody, InwardSign(m_nSide) * kSlideStep);
}

void CSyringe::SlideOut()
{
    ShiftBody(m_ptBody, -InwardSign(m_nSide) * kSlideStep);
}

// The puff starts on the slanted face's far end; its front edge then runs to
// the far wall (stopping at its first value beyond it), its back edge after it.
void CSyringe::Spray(int nStage, const Rect& rcClient)
{
    const Point p = m_ptBody[3];
    const bool bLeftWall = m_nSide == 0;
    Rect& rc = m_rcSpray;
    if (nStage == kStart) {
        rc = bLeftWall ? Rect{p.x, p.y - kSprayStep, p.x + kSprayStep, p.y}
                       : Rect{p.x - kSprayStep, p.y, p.x, p.y + kSprayStep};
    } else if (nStage == kExtend && bLeftWall && rc.right <= rcClient.right) {
        rc.right += kSprayStep;
    } else if (nStage == kExtend && !bLeftWall && rc.left >= rcClient.left) {
        rc.left -= kSprayStep;
    } else if (nStage == kTrailOff && bLeftWall && rc.left < rcClient.right) {
        rc.left += kSprayStep;
    } else if (nStage == kTrailOff && !bLeftWall && rc.right > rcClient.left) {
        rc.right -= kSprayStep;
    }
}

void CSyringe::Advance(CGermDlg& dlg)
{
    const int nPhase = m_nPhase;
    if (0 <= nPhase && nPhase < kSprayStart) {
        SlideIn();
        ++m_nPhase;
    } else if (kSprayStart <= nPhase && nPhase < kWithdrawStart) {
        SprayPhase(nPhase, dlg);
        ++m_nPhase;
    } else if (kWithdrawStart <= nPhase && nPhase < kCycle) {
        SlideOut();
        m_bSpraying = 0;
        if (++m_nPhase >= kCycle) {
            m_nPhase = 0;
            Spawn(dlg);
        }
    }
}

// The first spraying phase starts the puff with its sound; the next ones
// extend it, the last ones let it trail off.
void CSyringe::SprayPhase(int nPhase, CGermDlg& dlg)
{
    m_bSpraying = 1;
    if (nPhase == kSprayStart) {
        dlg.GetPlatform().PlaySound(ids::kSoundSpray);
        Spray(kStart, dlg.m_rcClient);
    }
    if (kSprayStart < nPhase && nPhase <= kExtendEnd) {
        Spray(kExtend, dlg.m_rcClient);
    }
    if (nPhase > kExtendEnd) {
        Spray(kTrailOff, dlg.m_rcClient);
    }
}
