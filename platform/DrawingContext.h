#pragma once
// The frame's off-screen surface, in the game's words. A pen or brush stays
// selected until the next Select call; shapes use the current pen and brush.
#include <span>
#include <string_view>

#include "platform/Geometry.h"

class DrawingContext {
public:
    virtual ~DrawingContext() = default;

    // Solid pen nWidth pixels wide, centred on the line or outline it draws.
    virtual void SelectPen(int nWidth, Rgb rgb) = 0;
    virtual void SelectBrush(Rgb rgb) = 0;

    // Fills left..right-1, top..bottom-1 with its own solid brush.
    virtual void FillRect(const Rect& rc, Rgb rgb) = 0;
    virtual void Line(Point ptFrom, Point ptTo) = 0;
    // Ellipse inscribed in rc (right and bottom exclusive), outlined and filled.
    virtual void Ellipse(const Rect& rc) = 0;
    virtual void Polygon(std::span<const Point> pts) = 0;

    // Text in the default font, black on an opaque white cell, top-left at pt.
    virtual Size GetTextExtent(std::string_view str) = 0;
    virtual void TextOut(Point pt, std::string_view str) = 0;

    // The bitmap resource stretched to fill rcDest.
    virtual void StretchBitmap(int nBitmapId, const Rect& rcDest) = 0;
};
