#include "platform/win32/GdiDrawingContext.h"

namespace {

COLORREF ToColor(Rgb rgb)
{
    return RGB(rgb.r, rgb.g, rgb.b);
}

// Device pixels for nGame game pixels, rounded up so the surface covers the
// whole client area.
int ToDevice(int nGame, int nDpi)
{
    return (nGame * nDpi + GdiDrawingContext::kDefaultDpi - 1) / GdiDrawingContext::kDefaultDpi;
}

}  // namespace

GdiDrawingContext::GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi)
    : m_sizeDevice{ToDevice(size.cx, nDpi), ToDevice(size.cy, nDpi)}, m_bitmaps(bitmaps)
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
        SelectFont();
        SetMapMode(m_hdc, MM_ANISOTROPIC);
        SetWindowExtEx(m_hdc, kDefaultDpi, kDefaultDpi, nullptr);
        SetViewportExtEx(m_hdc, nDpi, nDpi, nullptr);
        SetStretchBltMode(m_hdc, HALFTONE);
        SetBrushOrgEx(m_hdc, 0, 0, nullptr);
    } else {
        // Nearest pixels, as the bitmaps were first stretched.
        SetStretchBltMode(m_hdc, COLORONCOLOR);
    }
    SetBkMode(m_hdc, OPAQUE);
    SetBkColor(m_hdc, RGB(255, 255, 255));
    SetTextColor(m_hdc, RGB(0, 0, 0));
    // The stock pen is cosmetic and would stay one device pixel wide when
    // scaled: the context's own pen and brush from the start.
    SelectPen(1, Rgb{0, 0, 0});
    SelectBrush(Rgb{255, 255, 255});
}

GdiDrawingContext::~GdiDrawingContext()
{
    // The stock objects go back in before ours are freed.
    SelectObject(m_hdc, GetStockObject(BLACK_PEN));
    SelectObject(m_hdc, GetStockObject(WHITE_BRUSH));
    SelectObject(m_hdc, GetStockObject(SYSTEM_FONT));
    if (m_hbmSurface) {
        SelectObject(m_hdc, m_hbmInitial);
        DeleteObject(m_hbmSurface);
    }
    DeleteObject(m_hpen);
    DeleteObject(m_hbrush);
    if (m_hfont)
        DeleteObject(m_hfont);
    DeleteDC(m_hdc);
}

// The default font's face at the default font's height in game pixels, which
// the mapping mode then scales: a bitmap font does not scale by itself.
void GdiDrawingContext::SelectFont()
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

void GdiDrawingContext::SelectPen(int nWidth, Rgb rgb)
{
    HPEN hpen = CreatePen(PS_SOLID, nWidth < 1 ? 1 : nWidth, ToColor(rgb));
    SelectObject(m_hdc, hpen);
    if (m_hpen)
        DeleteObject(m_hpen);
    m_hpen = hpen;
}

void GdiDrawingContext::SelectBrush(Rgb rgb)
{
    HBRUSH hbrush = CreateSolidBrush(ToColor(rgb));
    SelectObject(m_hdc, hbrush);
    if (m_hbrush)
        DeleteObject(m_hbrush);
    m_hbrush = hbrush;
}

void GdiDrawingContext::FillRect(const Rect& rc, Rgb rgb)
{
    // An inverted rectangle is empty, as on the game's other surfaces.
    if (rc.Width() <= 0 || rc.Height() <= 0)
        return;
    const RECT rcFill{rc.left, rc.top, rc.right, rc.bottom};
    SetDCBrushColor(m_hdc, ToColor(rgb));
    ::FillRect(m_hdc, &rcFill, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiDrawingContext::Line(Point ptFrom, Point ptTo)
{
    MoveToEx(m_hdc, ptFrom.x, ptFrom.y, nullptr);
    LineTo(m_hdc, ptTo.x, ptTo.y);
}

void GdiDrawingContext::Ellipse(const Rect& rc)
{
    ::Ellipse(m_hdc, rc.left, rc.top, rc.right, rc.bottom);
}

void GdiDrawingContext::Polygon(std::span<const Point> pts)
{
    m_points.clear();
    for (const Point& pt : pts)
        m_points.push_back(POINT{pt.x, pt.y});
    // Alternate filling is a new context's rule.
    ::Polygon(m_hdc, m_points.data(), static_cast<int>(m_points.size()));
}

const std::wstring& GdiDrawingContext::Widen(std::string_view str)
{
    const int nSize = static_cast<int>(str.size());
    const int nWide = MultiByteToWideChar(CP_UTF8, 0, str.data(), nSize, nullptr, 0);
    m_strWide.resize(static_cast<std::size_t>(nWide));
    MultiByteToWideChar(CP_UTF8, 0, str.data(), nSize, m_strWide.data(), nWide);
    return m_strWide;
}

Size GdiDrawingContext::GetTextExtent(std::string_view str)
{
    const std::wstring& strWide = Widen(str);
    SIZE size{};
    GetTextExtentPoint32W(m_hdc, strWide.c_str(), static_cast<int>(strWide.size()), &size);
    return Size{size.cx, size.cy};
}

void GdiDrawingContext::TextOut(Point pt, std::string_view str)
{
    const std::wstring& strWide = Widen(str);
    ::TextOutW(m_hdc, pt.x, pt.y, strWide.c_str(), static_cast<int>(strWide.size()));
}

void GdiDrawingContext::StretchBitmap(int nBitmapId, const Rect& rcDest)
{
    HBITMAP hbm = m_bitmaps.GetBitmap(nBitmapId);
    BITMAP bm{};
    if (!hbm || !GetObjectW(hbm, sizeof(bm), &bm))
        return;
    HDC hdcBitmap = CreateCompatibleDC(m_hdc);
    HGDIOBJ hOld = SelectObject(hdcBitmap, hbm);
    StretchBlt(m_hdc, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcBitmap, 0, 0,
               bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(hdcBitmap, hOld);
    DeleteDC(hdcBitmap);
}

std::span<const std::uint32_t> GdiDrawingContext::GetBits() const
{
    // GDI may batch calls: they land before the memory is read.
    GdiFlush();
    return {m_pBits, static_cast<std::size_t>(m_sizeDevice.cx) * static_cast<std::size_t>(m_sizeDevice.cy)};
}
