#pragma once
// The frame's off-screen surface on a QImage. Shapes are drawn with hard
// pixels and GDI's pixel rules (right and bottom edges exclusive, wide pens
// centred), so a frame looks the same as the game's original surface.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include "platform/DrawingContext.h"

class QtDrawingContext final : public DrawingContext {
public:
    explicit QtDrawingContext(Size size);

    void SelectPen(int nWidth, Rgb rgb) override;
    void SelectBrush(Rgb rgb) override;

    void FillRect(const Rect& rc, Rgb rgb) override;
    void Line(Point ptFrom, Point ptTo) override;
    void Ellipse(const Rect& rc) override;
    void Polygon(std::span<const Point> pts) override;

    Size GetTextExtent(std::string_view str) override;
    void TextOut(Point pt, std::string_view str) override;

    void StretchBitmap(int nBitmapId, const Rect& rcDest) override;

    // The picture as drawn so far.
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    QPainter m_painter;  // declared after m_image: ends before the image goes
    int m_nPenWidth = 1;
};
