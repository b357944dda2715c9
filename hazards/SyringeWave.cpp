// The syringes' operations of the game window: draw, spray, contact, group
// update.
#include "app/CGermDlg.h"
#include "hazards/CSyringe.h"

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBodyGrey{130, 130, 130};
constexpr Rgb kSprayGreen{0, 255, 0};
constexpr int kBodyPenWidth = 2;
constexpr int kSprayPenWidth = 1;
constexpr int kSprayDots = 60;
constexpr int kDotSize = 4;
// The stripe's far corner, from the slanted face's end, for the left wall.
constexpr Point kStripeCorner{-5, -15};
// How far above and below the body and the spray the germ is caught.
constexpr int kBodyMargin = 20;
constexpr int kSprayMargin = 26;

}  // namespace

void CGermDlg::DrawSyringe(DrawingContext& dc, CSyringe syringe)
{
    const Point* pt = syringe.m_ptBody;
    dc.SelectPen(kBodyPenWidth, kBlack);
    dc.SelectBrush(kBodyGrey);
    dc.Polygon(std::span<const Point>(pt, 4));
    const int nSign = syringe.m_nSide == 0 ? 1 : -1;
    const Point ptStripe[3] = {
        pt[3], Point{pt[3].x + nSign * kStripeCorner.x, pt[3].y + nSign * kStripeCorner.y}, pt[0]};
    dc.SelectPen(kBodyPenWidth, kBlack);
    dc.SelectBrush(kBlack);
    dc.Polygon(ptStripe);
    if (syringe.m_bSpraying == 1) {
        DrawSpray(dc, syringe);
    }
}

// Dots scattered anew every frame; an empty rectangle has nowhere to put one.
void CGermDlg::DrawSpray(DrawingContext& dc, CSyringe syringe)
{
    const Rect& rc = syringe.m_rcSpray;
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    if (nWidth <= 0 || nHeight <= 0) {
        return;
    }
    dc.SelectPen(kSprayPenWidth, kSprayGreen);
    dc.SelectBrush(kSprayGreen);
    for (int i = 0; i < kSprayDots; ++i) {
        const int nX = rc.left + m_platform.Rand() % nWidth;
        const int nY = rc.top + m_platform.Rand() % nHeight;
        dc.Ellipse(Rect{nX, nY, nX + kDotSize, nY + kDotSize});
    }
}

// The germ's y is taken a menu bar higher here than for the other hazards,
// so every box is moved down a menu bar before the common test.
int CGermDlg::SyringeHitsGerm(CSyringe syringe, DrawingContext&)
{
    const int nMenu = m_platform.GetMenuBarHeight();
    const Point t = syringe.m_ptBody[0];
    const Point a = syringe.m_ptBody[1];
    const Point c = syringe.m_ptBody[3];
    const Rect rcBody = syringe.m_nSide == 0
        ? Rect{a.x, a.y - kBodyMargin, t.x, c.y + kBodyMargin}
        : Rect{t.x, c.y - kBodyMargin, a.x, a.y + kBodyMargin};
    if (KillGermInside(Rect{rcBody.left, rcBody.top + nMenu, rcBody.right, rcBody.bottom + nMenu})) {
        return 1;
    }
    const Rect& rc = syringe.m_rcSpray;
    return syringe.m_bSpraying == 1 &&
           KillGermInside(Rect{rc.left, rc.top - kSprayMargin + nMenu, rc.right,
                               rc.bottom + kSprayMargin + nMenu});
}

// Drawn and tested where each stood before this frame's step. When closing,
// every syringe is put back to the start of its withdrawal each frame, so it
// slides out for good and never sprays or respawns again.
int CGermDlg::UpdateSyringes(DrawingContext& dc, int bRunning)
{
    for (int i = 0; m_pSyringes != nullptr && i < m_nSyringeCount; ++i) {
        CSyringe& syringe = m_pSyringes[i];
        DrawSyringe(dc, syringe);
        if (SyringeHitsGerm(syringe, dc)) {
            return 0;  // every hazard is gone
        }
        if (bRunning != 1) {
            syringe.m_bSpraying = 0;
            syringe.m_nPhase = CSyringe::kWithdrawStart;
        }
        syringe.Advance(*this);
    }
    return 1;
}
