#include "platform/win32/GdiSurface.h"

#include <algorithm>

namespace {

// Device pixels for nGame game pixels, rounded up so the surface covers the
// whole client area.
int ToDevice(int nGame, int nDpi)
{
    return (nGame * nDpi + GdiSurface::kDefaultDpi - 1) / GdiSurface::kDefaultDpi;
}

}  // namespace

GdiSurface::GdiSurface(Size sizeGame, int nDpi)
    : m_sizeGame(sizeGame), m_sizeDevice{ToDevice(sizeGame.cx, nDpi), ToDevice(sizeGame.cy, nDpi)}, m_nDpi(nDpi),
      m_ellipseStamps(nDpi)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = m_sizeDevice.cx;
    bmi.bmiHeader.biHeight = -m_sizeDevice.cy;  // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    m_hdc = CreateCompatibleDC(nullptr);
    void* pBits = nullptr;
    // A new DIB section is zeroed: black.
    m_hbmSurface = CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!m_hbmSurface) {
        // Out of memory: the frame is drawn on nothing and shows nothing.
        m_sizeDevice = Size{};
    } else {
        m_pBits = static_cast<std::uint32_t*>(pBits);
        m_hbmInitial = SelectObject(m_hdc, m_hbmSurface);
    }
    if (nDpi != kDefaultDpi) {
        SelectScaledFont();
        UseGamePixels();
        SetStretchBltMode(m_hdc, HALFTONE);
        SetBrushOrgEx(m_hdc, 0, 0, nullptr);
    } else {
        // Nearest pixels, as the bitmaps were first stretched.
        SetStretchBltMode(m_hdc, COLORONCOLOR);
    }
    SetBkMode(m_hdc, OPAQUE);
    SetBkColor(m_hdc, RGB(255, 255, 255));
    SetTextColor(m_hdc, RGB(0, 0, 0));
}

GdiSurface::~GdiSurface()
{
    SelectObject(m_hdc, GetStockObject(SYSTEM_FONT));
    if (m_hfont)
        DeleteObject(m_hfont);
    if (m_hbmSurface) {
        SelectObject(m_hdc, m_hbmInitial);
        DeleteObject(m_hbmSurface);
    }
    DeleteDC(m_hdc);
}

// The default font's face at the default font's height in game pixels, which
// the mapping mode then scales: a bitmap font does not scale by itself.
void GdiSurface::SelectScaledFont()
{
    TEXTMETRICW tm{};
    GetTextMetricsW(m_hdc, &tm);
    LOGFONTW lf{};
    lf.lfHeight = tm.tmHeight;  // positive: the cell's height
    lf.lfWeight = tm.tmWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    GetTextFaceW(m_hdc, LF_FACESIZE, lf.lfFaceName);
    m_hfont = CreateFontIndirectW(&lf);
    if (m_hfont)
        SelectObject(m_hdc, m_hfont);
}

std::span<std::uint32_t> GdiSurface::GetBits() const
{
    // GDI may batch calls: they land before the memory is read.
    GdiFlush();
    return {m_pBits, static_cast<std::size_t>(m_sizeDevice.cx) * static_cast<std::size_t>(m_sizeDevice.cy)};
}

// Changing the mapping has GDI choose the font and pen again: only a scaled
// surface changes it, once to be drawn on and once to be shown.
void GdiSurface::UseGamePixels()
{
    if (m_nDpi == kDefaultDpi)
        return;
    SetMapMode(m_hdc, MM_ANISOTROPIC);
    SetWindowExtEx(m_hdc, kDefaultDpi, kDefaultDpi, nullptr);
    SetViewportExtEx(m_hdc, m_nDpi, m_nDpi, nullptr);
}

void GdiSurface::UseDevicePixels()
{
    if (m_nDpi != kDefaultDpi)
        SetMapMode(m_hdc, MM_TEXT);
}

void GdiSurface::Unveil()
{
    if (!m_bStale)
        return;
    m_bStale = false;
    const std::span<std::uint32_t> bits = GetBits();
    std::fill(bits.begin(), bits.end(), 0u);
}

std::unique_ptr<GdiSurface> GdiSurfaces::Lend(Size sizeGame, int nDpi)
{
    // Surfaces for another scale (the window moved to another monitor) would
    // only hold their places.
    std::erase_if(m_free, [&](const std::unique_ptr<GdiSurface>& pSurface) {
        return pSurface->GetGameSize() != sizeGame || pSurface->GetDpi() != nDpi;
    });
    if (m_free.empty())
        return std::make_unique<GdiSurface>(sizeGame, nDpi);
    std::unique_ptr<GdiSurface> pSurface = std::move(m_free.back());
    m_free.pop_back();
    pSurface->UseGamePixels();  // it was last shown in device pixels
    return pSurface;
}

void GdiSurfaces::GiveBack(std::unique_ptr<GdiSurface> pSurface)
{
    if (m_free.size() >= kKept)
        return;
    pSurface->MarkStale();
    m_free.push_back(std::move(pSurface));
}
