#pragma once
// A drawing context that keeps a list of what was drawn, with the pen and
// brush each shape was drawn with, so tests can ask what a frame showed.
#include <string>
#include <vector>

#include "platform/DrawingContext.h"

struct DrawnShape {
    enum class Kind { Fill, Line, Ellipse, Polygon, Text, Bitmap };
    Kind kind;
    Rect rc;                 // fill, ellipse, bitmap; line: from (left, top) to (right, bottom)
    std::vector<Point> pts;  // polygon
    std::string strText;     // text
    int nBitmapId = 0;
    int nPenWidth = 0;
    Rgb rgbPen;
    Rgb rgbBrush;
    friend bool operator==(const DrawnShape&, const DrawnShape&) = default;
};

class RecordingDrawingContext : public DrawingContext {
    using Kind = DrawnShape::Kind;

public:
    void SelectPen(int nWidth, Rgb rgb) override { m_nPenWidth = nWidth, m_rgbPen = rgb; }
    void SelectBrush(Rgb rgb) override { m_rgbBrush = rgb; }
    void FillRect(const Rect& rc, Rgb rgb) override { Record(Kind::Fill, rc).rgbBrush = rgb; }
    void Line(Point ptFrom, Point ptTo) override { Record(Kind::Line, {ptFrom.x, ptFrom.y, ptTo.x, ptTo.y}); }
    void Ellipse(const Rect& rc) override { Record(Kind::Ellipse, rc); }
    void Polygon(std::span<const Point> pts) override { Record(Kind::Polygon, {}).pts.assign(pts.begin(), pts.end()); }
    // Text cells are 8 pixels a character and 16 high.
    Size GetTextExtent(std::string_view str) override { return Size{static_cast<int>(str.size()) * 8, 16}; }
    void TextOut(Point pt, std::string_view str) override
    {
        const Size size = GetTextExtent(str);
        Record(Kind::Text, {pt.x, pt.y, pt.x + size.cx, pt.y + size.cy}).strText = str;
    }
    void StretchBitmap(int nId, const Rect& rcDest) override { Record(Kind::Bitmap, rcDest).nBitmapId = nId; }

    std::vector<DrawnShape> Of(Kind kind) const
    {
        std::vector<DrawnShape> shapes;
        for (const DrawnShape& shape : m_shapes)
            if (shape.kind == kind) shapes.push_back(shape);
        return shapes;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const DrawnShape& shape : Of(Kind::Text)) texts.push_back(shape.strText);
        return texts;
    }

    std::vector<DrawnShape> m_shapes;

private:
    DrawnShape& Record(Kind kind, const Rect& rc)
    {
        return m_shapes.emplace_back(DrawnShape{kind, rc, {}, "", 0, m_nPenWidth, m_rgbPen, m_rgbBrush});
    }
    int m_nPenWidth = 1;
    Rgb m_rgbPen;
    Rgb m_rgbBrush{255, 255, 255};
};
