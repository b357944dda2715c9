// The pixel cases on the Qt surface, at ratio 1, without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/PixelHost.h"

namespace {

Pixels ToPixels(const QImage& image)
{
    Pixels pixels{Size{image.width(), image.height()}, {}};
    pixels.colours.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int nY = 0; nY < image.height(); ++nY)
        for (int nX = 0; nX < image.width(); ++nX)
            pixels.colours.push_back(image.pixel(nX, nY) & 0xFFFFFFu);
    return pixels;
}

}  // namespace

std::unique_ptr<DrawingContext> pixel_host::MakeSurface(Size size)
{
    return std::make_unique<QtDrawingContext>(size);
}

Pixels pixel_host::Read(DrawingContext& dc)
{
    return ToPixels(static_cast<QtDrawingContext&>(dc).Image());
}

Pixels pixel_host::ScaledBitmap(int nBitmapId, Size size)
{
    return ToPixels(QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(nBitmapId)).scaled(size.cx, size.cy));
}

// Text and bitmaps need a GUI application; the offscreen platform gives one
// without a display, also when the tests are only being listed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
