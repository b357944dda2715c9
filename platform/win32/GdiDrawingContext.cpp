#include "platform/win32/GdiDrawingContext.h"

namespace {

COLORREF ToColor(Rgb rgb)
{
    return RGB(rgb.r, rgb.g, rgb.b);
}

}  // namespace

GdiDrawingContext::GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi)
    : GdiDrawingContext(bitmaps, std::make_unique<GdiSurface>(size, nDpi), nullptr)
{
}

GdiDrawingContext::GdiDrawingContext(Size size, BitmapSource& bitmaps, int nDpi, GdiSurfaces& surfaces)
    : GdiDrawingContext(bitmaps, surfaces.Lend(size, nDpi), &surfaces)
{
}

GdiDrawingContext::GdiDrawingContext(BitmapSource& bitmaps, std::unique_ptr<GdiSurface> pSurface,
                                     GdiSurfaces* pSurfaces)
    : m_bitmaps(bitmaps), m_pSurface(std::move(pSurface)), m_pSurfaces(pSurfaces), m_hdc(m_pSurface->GetHdc())
{
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
    DeleteObject(m_hpen);
    DeleteObject(m_hbrush);
    if (m_pSurfaces)
        m_pSurfaces->GiveBack(std::move(m_pSurface));
}

void GdiDrawingContext::SelectPen(int nWidth, Rgb rgb)
{
    m_nPenWidth = nWidth < 1 ? 1 : nWidth;
    m_rgbPen = rgb;
    HPEN hpen = CreatePen(PS_SOLID, m_nPenWidth, ToColor(rgb));
    SelectObject(m_hdc, hpen);
    if (m_hpen)
        DeleteObject(m_hpen);
    m_hpen = hpen;
}

void GdiDrawingContext::SelectBrush(Rgb rgb)
{
    m_rgbBrush = rgb;
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
    if (CoversSurface(rcFill))
        m_pSurface->MarkCovered();
    else
        m_pSurface->Unveil();
    SetDCBrushColor(m_hdc, ToColor(rgb));
    ::FillRect(m_hdc, &rcFill, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiDrawingContext::Line(Point ptFrom, Point ptTo)
{
    m_pSurface->Unveil();
    MoveToEx(m_hdc, ptFrom.x, ptFrom.y, nullptr);
    LineTo(m_hdc, ptTo.x, ptTo.y);
}

void GdiDrawingContext::Ellipse(const Rect& rc)
{
    m_pSurface->Unveil();
    if (!m_pSurface->CopyEllipse(rc, m_nPenWidth, m_rgbPen, m_rgbBrush))
        ::Ellipse(m_hdc, rc.left, rc.top, rc.right, rc.bottom);
}

void GdiDrawingContext::Polygon(std::span<const Point> pts)
{
    m_points.clear();
    for (const Point& pt : pts)
        m_points.push_back(POINT{pt.x, pt.y});
    m_pSurface->Unveil();
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
    m_pSurface->Unveil();
    const std::wstring& strWide = Widen(str);
    ::TextOutW(m_hdc, pt.x, pt.y, strWide.c_str(), static_cast<int>(strWide.size()));
}

void GdiDrawingContext::StretchBitmap(int nBitmapId, const Rect& rcDest)
{
    HBITMAP hbm = m_bitmaps.GetBitmap(nBitmapId);
    BITMAP bm{};
    if (!hbm || !GetObjectW(hbm, sizeof(bm), &bm))
        return;
    m_pSurface->Unveil();
    HDC hdcBitmap = CreateCompatibleDC(m_hdc);
    HGDIOBJ hOld = SelectObject(hdcBitmap, hbm);
    StretchBlt(m_hdc, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcBitmap, 0, 0,
               bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(hdcBitmap, hOld);
    DeleteDC(hdcBitmap);
}

// Whether rc, in game pixels, takes in every device pixel.
bool GdiDrawingContext::CoversSurface(const RECT& rc) const
{
    RECT rcDevice = rc;
    LPtoDP(m_hdc, reinterpret_cast<POINT*>(&rcDevice), 2);
    const Size size = m_pSurface->GetDeviceSize();
    return rcDevice.left <= 0 && rcDevice.top <= 0 && rcDevice.right >= size.cx && rcDevice.bottom >= size.cy;
}

HDC GdiDrawingContext::GetFinishedHdc()
{
    m_pSurface->Unveil();
    m_pSurface->UseDevicePixels();
    return m_hdc;
}

std::span<const std::uint32_t> GdiDrawingContext::GetBits()
{
    m_pSurface->Unveil();
    return m_pSurface->GetBits();
}
