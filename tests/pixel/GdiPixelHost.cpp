// The pixel cases on the GDI surface at 96 dots per inch. The heart bitmaps
// are this program's own resources, as they are the game's.
#include <gtest/gtest.h>

#include <map>

#include "platform/win32/GdiDrawingContext.h"
#include "tests/pixel/PixelHost.h"

namespace {

class ResourceBitmaps final : public BitmapSource {
public:
    ~ResourceBitmaps() override
    {
        for (const auto& [nId, hbm] : m_bitmaps)
            DeleteObject(hbm);
    }
    HBITMAP GetBitmap(int nBitmapId) override
    {
        auto it = m_bitmaps.find(nBitmapId);
        if (it == m_bitmaps.end())
            it = m_bitmaps.emplace(nBitmapId, Load(nBitmapId, Size{})).first;
        return it->second;
    }
    // At its own size when size is empty, else scaled to it by the loader.
    static HBITMAP Load(int nBitmapId, Size size)
    {
        return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapId),
                                               IMAGE_BITMAP, size.cx, size.cy, LR_CREATEDIBSECTION));
    }

private:
    std::map<int, HBITMAP> m_bitmaps;
};

ResourceBitmaps& Bitmaps()
{
    static ResourceBitmaps s_bitmaps;
    return s_bitmaps;
}

}  // namespace

std::unique_ptr<DrawingContext> pixel_host::MakeSurface(Size size)
{
    return std::make_unique<GdiDrawingContext>(size, Bitmaps());
}

Pixels pixel_host::Read(DrawingContext& dc)
{
    const auto& gdi = static_cast<GdiDrawingContext&>(dc);
    const std::span<const std::uint32_t> bits = gdi.GetBits();
    Pixels pixels{gdi.GetDeviceSize(), {}};
    for (const std::uint32_t nBits : bits)
        pixels.colours.push_back(nBits & 0xFFFFFFu);
    return pixels;
}

// The pixel nearest each one's centre, read off the bitmap at its own size.
Pixels pixel_host::ScaledBitmap(int nBitmapId, Size size)
{
    HBITMAP hbm = ResourceBitmaps::Load(nBitmapId, Size{});
    BITMAP bm{};
    GetObjectW(hbm, sizeof(bm), &bm);
    std::vector<std::uint32_t> bits(std::size_t(bm.bmWidth) * std::size_t(bm.bmHeight));
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(bmi.bmiHeader), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC hdc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDIBits(hdc, hbm, 0, UINT(bm.bmHeight), bits.data(), &bmi, DIB_RGB_COLORS), bm.bmHeight);
    DeleteDC(hdc);
    DeleteObject(hbm);
    Pixels pixels{size, {}};
    for (int nY = 0; nY < size.cy; ++nY)
        for (int nX = 0; nX < size.cx; ++nX) {
            const int nFromX = (2 * nX + 1) * bm.bmWidth / (2 * size.cx);
            const int nFromY = (2 * nY + 1) * bm.bmHeight / (2 * size.cy);
            pixels.colours.push_back(bits[std::size_t(nFromY) * std::size_t(bm.bmWidth) + std::size_t(nFromX)] & 0xFFFFFFu);
        }
    return pixels;
}
