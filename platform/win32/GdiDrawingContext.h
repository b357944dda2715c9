#pragma once
// The frame's off-screen surface on a GDI memory context and a 32-bit DIB
// section: the game's drawing calls are GDI's own. At 96 dots per inch a
// game pixel is a device pixel; at other scales a mapping mode scales every
// coordinate and pen, and text takes the default font's face at the scaled
// size, so the frame stays sharp. The host shows it with one BitBlt.
#include <windows.h>
// windows.h makes TextOut a macro for TextOutW; here it is the game's call.
#undef TextOut

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DrawingContext.h"

// Where the heart bitmaps come from: the program's resources in the host, a
// file in the tests.
class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    // The bitmap with this resource id, owned by the source; null when there
    // is none (nothing is drawn).
    virtual HBITMAP GetBitmap(int nBitmapId) = 0;
};

class GdiDrawingContext final : public DrawingContext {
public:
    static constexpr int kDefaultDpi = 96;

    // Black, with a 1-pixel black pen and a white brush, as a fresh memory
    // context is. size is in the game's pixels; nDpi gives the device's.
    GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi = kDefaultDpi);
    ~GdiDrawingContext() override;
    GdiDrawingContext(const GdiDrawingContext&) = delete;
    GdiDrawingContext& operator=(const GdiDrawingContext&) = delete;

    void SelectPen(int nWidth, Rgb rgb) override;
    void SelectBrush(Rgb rgb) override;

    void FillRect(const Rect& rc, Rgb rgb) override;
    void Line(Point ptFrom, Point ptTo) override;
    void Ellipse(const Rect& rc) override;
    void Polygon(std::span<const Point> pts) override;

    Size GetTextExtent(std::string_view str) override;
    void TextOut(Point pt, std::string_view str) override;

    void StretchBitmap(int nBitmapId, const Rect& rcDest) override;

    // The memory context to copy the frame from, in device pixels.
    HDC GetHdc() const { return m_hdc; }
    Size GetDeviceSize() const { return m_sizeDevice; }
    // The device pixels as drawn so far, 0x00RRGGBB, top row first.
    std::span<const std::uint32_t> GetBits() const;

private:
    void SelectFont();
    const std::wstring& Widen(std::string_view str);

    Size m_sizeDevice;
    BitmapSource& m_bitmaps;
    HDC m_hdc = nullptr;
    HBITMAP m_hbmSurface = nullptr;
    HGDIOBJ m_hbmInitial = nullptr;  // selected back before the surface is freed
    std::uint32_t* m_pBits = nullptr;  // top-down rows of m_sizeDevice.cx pixels
    HPEN m_hpen = nullptr;
    HBRUSH m_hbrush = nullptr;
    HFONT m_hfont = nullptr;  // only at scales other than 100 %
    std::vector<POINT> m_points;  // reused: polygons come every frame
    std::wstring m_strWide;
};
