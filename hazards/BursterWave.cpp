// The second wave's operations of the game window: draw, contact, group update.
#include "app/CGermDlg.h"
#include "hazards/CBurster.h"

namespace {

constexpr Rgb kOutline{200, 200, 255};
constexpr Rgb kSeamShade{166, 166, 255};
constexpr Rgb kCellWhite{255, 255, 255};
constexpr int kPenWidth = 3;
// The seam's two lines stand this far left and right of the middle.
constexpr int kSeamLeft = 2;
constexpr int kSeamRight = 1;
// Whole cells always fall this fast, whatever the level.
constexpr int kFallSpeed = 10;

Rect FragmentBox(Point pt)
{
    return Rect{pt.x, pt.y, pt.x + CBurster::kFragmentSize, pt.y + CBurster::kFragmentSize};
}

void DrawSeam(DrawingContext& dc, const Rect& rc, int nShift, Rgb rgb)
{
    const int nHalf = (rc.right - rc.left) / 2;
    dc.SelectPen(kPenWidth, rgb);
    dc.Line(Point{rc.left + nHalf + nShift, rc.top}, Point{rc.right - nHalf + nShift, rc.bottom});
}

}  // namespace

void CGermDlg::DrawBurster(CBurster burster, DrawingContext& dc)
{
    if (burster.m_bBurst == 0) {
        dc.SelectPen(kPenWidth, kOutline);
        dc.SelectBrush(kCellWhite);
        dc.Ellipse(burster.m_rcBox);
        DrawSeam(dc, burster.m_rcBox, -kSeamLeft, kOutline);
        DrawSeam(dc, burster.m_rcBox, kSeamRight, kSeamShade);
        return;
    }
    for (const Point& pt : burster.m_ptFragment) {
        dc.SelectPen(kPenWidth, kOutline);
        dc.SelectBrush(kCellWhite);
        dc.Ellipse(FragmentBox(pt));
    }
}

// The squares count, not the discs drawn in them.
int CGermDlg::BursterHitsGerm(CBurster burster)
{
    if (burster.m_bBurst == 0) {
        return KillGermInside(burster.m_rcBox);
    }
    for (const Point& pt : burster.m_ptFragment) {
        if (KillGermInside(FragmentBox(pt))) {
            return 1;
        }
    }
    return 0;
}

// Each cell is drawn and tested where it stood before this frame's step. When
// closing, a burst cell retires at once but its fragments fly on, deadly,
// until they have all left.
int CGermDlg::UpdateSecondWave(DrawingContext& dc, int bRunning)
{
    const bool bClosing = bRunning != 1;
    for (int i = 0; i < m_nSecondWaveCount; ++i) {
        CBurster& burster = m_pSecondWave[i];
        if (burster.m_bActive == 1 || (bClosing && burster.m_bBurst == 1)) {
            DrawBurster(burster, dc);
            if (BursterHitsGerm(burster)) {
                return 0;  // the wave is gone
            }
            burster.Step(m_rcClient, kFallSpeed, m_platform);
        }
        if (bClosing && burster.m_bBurst == 1) {
            burster.m_bActive = 0;
        }
    }
    return 1;
}
