#include "tests/support/RecordingDrawingContext.h"

DrawnShape RecordingDrawingContext::Shape(DrawnShape::Kind kind) const
{
    DrawnShape shape{};
    shape.kind = kind;
    shape.nPenWidth = m_nPenWidth;
    shape.rgbPen = m_rgbPen;
    shape.rgbBrush = m_rgbBrush;
    return shape;
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
    DrawnShape shape = Shape(DrawnShape::Kind::Fill);
    shape.rc = rc;
    shape.rgbBrush = rgb;
    m_shapes.push_back(shape);
}

void RecordingDrawingContext::Line(Point ptFrom, Point ptTo)
{
    DrawnShape shape = Shape(DrawnShape::Kind::Line);
    shape.rc = Rect{ptFrom.x, ptFrom.y, ptTo.x, ptTo.y};
    m_shapes.push_back(shape);
}

void RecordingDrawingContext::Ellipse(const Rect& rc)
{
    DrawnShape shape = Shape(DrawnShape::Kind::Ellipse);
    shape.rc = rc;
    m_shapes.push_back(shape);
}

void RecordingDrawingContext::Polygon(std::span<const Point> pts)
{
    DrawnShape shape = Shape(DrawnShape::Kind::Polygon);
    shape.pts.assign(pts.begin(), pts.end());
    m_shapes.push_back(shape);
}

Size RecordingDrawingContext::GetTextExtent(std::string_view str)
{
    return Size{static_cast<int>(str.size()) * kCharWidth, kTextHeight};
}

void RecordingDrawingContext::TextOut(Point pt, std::string_view str)
{
    DrawnShape shape = Shape(DrawnShape::Kind::Text);
    const Size size = GetTextExtent(str);
    shape.rc = Rect{pt.x, pt.y, pt.x + size.cx, pt.y + size.cy};
    shape.strText = str;
    m_shapes.push_back(shape);
}

void RecordingDrawingContext::StretchBitmap(int nBitmapId, const Rect& rcDest)
{
    DrawnShape shape = Shape(DrawnShape::Kind::Bitmap);
    shape.rc = rcDest;
    shape.nBitmapId = nBitmapId;
    m_shapes.push_back(shape);
}

std::vector<std::string> RecordingDrawingContext::Texts() const
{
    std::vector<std::string> texts;
    for (const DrawnShape& shape : m_shapes) {
        if (shape.kind == DrawnShape::Kind::Text) {
            texts.push_back(shape.strText);
        }
    }
    return texts;
}

std::vector<DrawnShape> RecordingDrawingContext::Of(DrawnShape::Kind kind) const
{
    std::vector<DrawnShape> shapes;
    for (const DrawnShape& shape : m_shapes) {
        if (shape.kind == kind) {
            shapes.push_back(shape);
        }
    }
    return shapes;
}
