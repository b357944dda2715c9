// The inside of the vessel, painted first on every frame: a dark red field
// whose side walls shade darker towards the window's edges.
#include "app/CGermDlg.h"

namespace {

constexpr Rgb kField{150, 0, 0};
constexpr Rgb kOuterWall{100, 0, 0};
constexpr int kOuterWallWidth = 40;  // half of it falls outside the client area
constexpr int kStripeWidth = 7;

// Stripes inward from each wall, from the edge's shade towards the field's.
struct Stripe {
    int nInset;
    Rgb rgb;
};
constexpr Stripe kStripes[] = {
    {20, {110, 0, 0}},
    {27, {120, 0, 0}},
    {34, {130, 0, 0}},
    {41, {140, 0, 0}},
};

}  // namespace

void CGermDlg::DrawBackdrop(DrawingContext& dc)
{
    const Rect& rc = m_rcClient;
    auto vertical = [&](int nX) { dc.Line(Point{nX, rc.top}, Point{nX, rc.bottom}); };
    dc.FillRect(rc, kField);
    dc.SelectPen(kOuterWallWidth, kOuterWall);
    vertical(rc.left);
    vertical(rc.right);
    // Right wall first, then left; later stripes cover earlier ones.
    for (const int nSide : {+1, -1}) {
        for (const Stripe& stripe : kStripes) {
            dc.SelectPen(kStripeWidth, stripe.rgb);
            vertical(nSide > 0 ? rc.right - stripe.nInset : rc.left + stripe.nInset);
        }
    }
}
