#pragma once
// The game's drawing calls on a GdiSurface, as GDI's own. The host shows the
// frame with one BitBlt.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DrawingContext.h"
#include "platform/win32/GdiSurface.h"

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
    static constexpr int kDefaultDpi = GdiSurface::kDefaultDpi;

    // Black, with a 1-pixel black pen and a white brush, as a fresh memory
    // context is. size is in the game's pixels; nDpi gives the device's.
    GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi = kDefaultDpi);
    // The same on a surface lent by surfaces, given back when this one ends.
    GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi, GdiSurfaces& surfaces);
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

    // The memory context to copy the finished frame from, in device pixels;
    // nothing is drawn after.
    HDC GetFinishedHdc();
    Size GetDeviceSize() const { return m_pSurface->GetDeviceSize(); }
    // The device pixels as drawn so far, 0x00RRGGBB, top row first.
    std::span<const std::uint32_t> GetBits();

private:
    GdiDrawingContext(BitmapSource& bitmaps, std::unique_ptr<GdiSurface> pSurface, GdiSurfaces* pSurfaces);
    bool CoversSurface(const RECT& rc) const;
    const std::wstring& Widen(std::string_view str);

    BitmapSource& m_bitmaps;
    std::unique_ptr<GdiSurface> m_pSurface;
    GdiSurfaces* m_pSurfaces;  // where the surface goes back to; null: it is freed
    HDC m_hdc;
    HPEN m_hpen = nullptr;
    HBRUSH m_hbrush = nullptr;
    int m_nPenWidth = 1;  // what the selected pen and brush are, for the ellipses' stamps
    Rgb m_rgbPen{};
    Rgb m_rgbBrush{};
    std::vector<POINT> m_points;  // reused: polygons come every frame
    std::wstring m_strWide;
};
