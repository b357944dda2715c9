#include "hazards/WhiteCell.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNucleus{245, 245, 245};
constexpr int kOutlineWidth = 3;
constexpr int kNucleusInset = 17;

}  // namespace

void DrawWhiteCell(DrawingContext& dc, const Rect& rcBox)
{
    dc.SelectPen(kOutlineWidth, kWhite);
    dc.SelectBrush(kWhite);
    dc.Ellipse(rcBox);
    dc.SelectPen(kOutlineWidth, kWhite);
    dc.SelectBrush(kNucleus);
    dc.Ellipse(Rect{rcBox.left + kNucleusInset, rcBox.top + kNucleusInset,
                    rcBox.right - kNucleusInset, rcBox.bottom - kNucleusInset});
}
