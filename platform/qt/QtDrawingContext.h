#pragma once
// The frame's off-screen surface on a QImage. The game draws in its own
// logical pixels; the image has the screen's device pixels. At ratio 1 shapes
// are drawn with hard pixels and GDI's pixel rules (right and bottom edges
// exclusive, wide pens centred), so a frame looks the same as the game's
// original surface; above it they are smoothed at device resolution on the
// same outlines.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/DrawingContext.h"

class FrameSurfaces;

class QtDrawingContext final : public DrawingContext {
public:
    // A surface of its own, black, with a 1-pixel black pen and a white brush.
    explicit QtDrawingContext(Size size, qreal dDevicePixelRatio = 1.0);
    // The same on an image lent by surfaces, given back when this one ends.
    QtDrawingContext(Size size, qreal dDevicePixelRatio, FrameSurfaces& surfaces);
    ~QtDrawingContext() override;
    QtDrawingContext(const QtDrawingContext&) = delete;
    QtDrawingContext& operator=(const QtDrawingContext&) = delete;

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
    // Ends the drawing: the finished picture, shareable without a copy. No
    // drawing may follow.
    const QImage& Finish();

private:
    void Begin();
    // A recycled image still holds an old frame: it is blacked out before the
    // first shape, unless that shape is a fill of the whole surface.
    void Unveil();
    bool IsSmooth() const { return m_dRatio != 1.0; }

    Size m_size;  // in the game's pixels
    QImage m_image;
    QPainter m_painter;  // declared after m_image: ends before the image goes
    FrameSurfaces* m_pSurfaces = nullptr;
    qreal m_dRatio = 1.0;
    bool m_bVeiled = false;
    int m_nPenWidth = 1;
    QRgb m_rgbPen = 0;
    QRgb m_rgbBrush = 0;
};

// Memory for frame images other than the process's own: memory the screen
// shares, so that a finished frame is shown without a copy (X11Presenter,
// WaylandPresenter).
class SurfaceMemory {
public:
    virtual ~SurfaceMemory() = default;
    // A new 32-bit image; a null one when none can be made.
    virtual QImage Make(QSize sizeDevice) = 0;
    virtual bool IsOurs(const QImage& image) const = 0;  // made by Make
    // Whether an image may be drawn on now: one it made may still be read by
    // the screen. Answers from what the screen has said so far.
    virtual bool IsFree(const QImage& image) = 0;
};

// The images that frames are drawn on, kept between frames: a fresh
// client-sized image for every frame costs more than drawing it. An image
// is lent again only when no one else holds it (the window keeps the last
// frame shown; a frame nested inside another draws on its own) and the
// screen no longer reads it; else a new one is made, never waited for.
class FrameSurfaces {
public:
    // Usually the shown frame, the one being drawn and one nested in it.
    static constexpr std::size_t kKept = 3;
    // Made from the memory at most at once: a compositor that holds every
    // frame for a while (a box opening) gets new ones for 0.4 s of frames;
    // beyond that frames are drawn in the process's memory.
    static constexpr std::size_t kMaxMade = 6;

    std::unique_ptr<QtDrawingContext> Create(Size size, qreal dDevicePixelRatio);
    // New images come from pMemory, which must outlive this, when it can
    // make them.
    void SetMemory(SurfaceMemory* pMemory) { m_pMemory = pMemory; }

private:
    friend class QtDrawingContext;
    QImage Lend(QSize sizeDevice, qreal dDevicePixelRatio);
    void GiveBack(QImage image);
    bool IsFree(const QImage& image) const;
    // The first free image kept, shared (made by the memory) or not.
    std::vector<QImage>::iterator FindFree(bool bShared);

    std::vector<QImage> m_images;
    std::size_t m_nLent = 0;
    SurfaceMemory* m_pMemory = nullptr;
};
