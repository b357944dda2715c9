#pragma once
// A Platform that draws for real and does nothing else: frames go to the
// host's own recycled surfaces and the last presented picture is kept, so a
// test or a benchmark can run the game's drawing through the real Qt surface.
#include <QImage>

#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/FramePlatform.h"

struct SurfacePlatform final : FramePlatform {
    FrameSurfaces m_surfaces;
    QImage m_imgLast;  // the last frame presented

    std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) override { return m_surfaces.Create(size, 1.0); }
    void PresentFrame(DrawingContext& dc) override { m_imgLast = static_cast<QtDrawingContext&>(dc).Finish(); }
};
