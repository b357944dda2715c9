#include "tests/support/RecordingDrawingContext.h"

DrawnShape& RecordingDrawingContext::Record(DrawnShape::Kind kind, const Rect& rc)
{
    DrawnShape shape{};
    shape.kind = kind;
    shape.rc = rc;
    shape.nPenWidth = m_nPenWidth;
    shape.rgbPen = m_rgbPen;
    shape.rgbBrush = m_rgbBrush;
    return m_shapes.emplace_back(shape);
}

void RecordingDrawingContext::SelectPen(int nWidth, Rgb rgb)
{
    m_nPenWidth = nWidth;
    m_rgbPen = rgb;
}

void RecordingDrawingContext::SelectBrush(Rgb rgb)
{
    m_rgbBrush = rgb;
}

void RecordingDrawingContext::FillRect(const Rect& rc, Rgb rgb)
{
    Record(DrawnShape::Kind::Fill, rc).rgbBrush = rgb;
}

void RecordingDrawingContext::Line(Point ptFrom, Point ptTo)
{
    Record(DrawnShape::Kind::Line, Rect{ptFrom.x, ptFrom.y, ptTo.x, ptTo.y});
}

void RecordingDrawingContext::Ellipse(const Rect& rc)
{
    Record(DrawnShape::Kind::Ellipse, rc);
}

void RecordingDrawingContext::Polygon(std::span<const Point> pts)
{
    Record(DrawnShape::Kind::Polygon, Rect{}).pts.assign(pts.begin(), pts.end());
}

Size RecordingDrawingContext::GetTextExtent(std::string_view str)
{
    return Size{static_cast<int>(str.size()) * kCharWidth, kTextHeight};
}

void RecordingDrawingContext::TextOut(Point pt, std::string_view str)
{
    const Size size = GetTextExtent(str);
    Record(DrawnShape::Kind::Text, Rect{pt.x, pt.y, pt.x + size.cx, pt.y + size.cy}).strText = str;
}

void RecordingDrawingContext::StretchBitmap(int nBitmapId, const Rect& rcDest)
{
    Record(DrawnShape::Kind::Bitmap, rcDest).nBitmapId = nBitmapId;
}

std::vector<std::string> RecordingDrawingContext::Texts() const
{
    std::vector<std::string> texts;
    for (const DrawnShape& shape : Of(DrawnShape::Kind::Text)) {
        texts.push_back(shape.strText);
    }
    return texts;
}

std::vector<DrawnShape> RecordingDrawingContext::Of(DrawnShape::Kind kind) const
{
    std::vector<DrawnShape> shapes;
    std::copy_if(m_shapes.begin(), m_shapes.end(), std::back_inserter(shapes),
                 [kind](const DrawnShape& shape) { return shape.kind == kind; });
    return shapes;
}
