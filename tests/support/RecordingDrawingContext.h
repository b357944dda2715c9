#pragma once
// A drawing context that keeps a list of what was drawn, with the pen and
// brush each shape was drawn with, so tests can ask what a frame showed.
#include <algorithm>
#include <iterator>
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
public:
    void SelectPen(int nWidth, Rgb rgb) override;
    void SelectBrush(Rgb rgb) override;
    void FillRect(const Rect& rc, Rgb rgb) override;
    void Line(Point ptFrom, Point ptTo) override;
    void Ellipse(const Rect& rc) override;
    void Polygon(std::span<const Point> pts) override;
    Size GetTextExtent(std::string_view str) override;
    void TextOut(Point pt, std::string_view str) override;
    void StretchBitmap(int nBitmapId, const Rect& rcDest) override;

    std::vector<DrawnShape> m_shapes;

    std::vector<std::string> Texts() const;
    std::vector<DrawnShape> Of(DrawnShape::Kind kind) const;

    // Text cells are 8 pixels a character and 16 high.
    static constexpr int kCharWidth = 8;
    static constexpr int kTextHeight = 16;

private:
    DrawnShape& Record(DrawnShape::Kind kind, const Rect& rc);
    int m_nPenWidth = 1;
    Rgb m_rgbPen;
    Rgb m_rgbBrush{255, 255, 255};
};
