#include "platform/win32/EllipseStamps.h"

#include <algorithm>

#include "platform/win32/GdiSurface.h"

namespace {

// The colours a stamp is recorded in, on a black surface: each tells whose
// pixel it is.
constexpr std::uint32_t kRecordedPen = 0x0000FFu;
constexpr std::uint32_t kRecordedBrush = 0x00FF00u;

std::uint32_t ToBits(Rgb rgb)
{
    return std::uint32_t{rgb.r} << 16 | std::uint32_t{rgb.g} << 8 | std::uint32_t{rgb.b};
}

}  // namespace

EllipseStamps::EllipseStamps(int nDpi)
    : m_nDpi(nDpi), m_nScale(nDpi % GdiSurface::kDefaultDpi == 0 ? nDpi / GdiSurface::kDefaultDpi : 0)
{
}

bool EllipseStamps::Draw(std::span<std::uint32_t> bits, Size sizeDevice, const Rect& rc, int nPenWidth,
                         Rgb rgbPen, Rgb rgbBrush)
{
    const Stamp* pStamp = Find(Size{rc.Width(), rc.Height()}, nPenWidth);
    if (!pStamp)
        return false;
    const std::uint32_t nPen = ToBits(rgbPen);
    const std::uint32_t nBrush = ToBits(rgbBrush);
    const int nLeft = rc.left * m_nScale;
    const int nTop = rc.top * m_nScale;
    for (const Run& run : *pStamp) {
        // GDI clips to the surface: a hazard coming in from above is cut.
        const int nY = nTop + run.nY;
        const int nFrom = std::max(nLeft + run.nLeft, 0);
        const int nTo = std::min(nLeft + run.nRight, sizeDevice.cx);
        if (nY < 0 || nY >= sizeDevice.cy || nFrom >= nTo)
            continue;
        const auto itRow = bits.begin() + std::ptrdiff_t{nY} * sizeDevice.cx;
        std::fill(itRow + nFrom, itRow + nTo, run.bPen ? nPen : nBrush);
    }
    return true;
}

const EllipseStamps::Stamp* EllipseStamps::Find(Size size, int nPenWidth)
{
    if (m_nScale == 0 || size.cx <= 0 || size.cy <= 0 || size.cx > kLargest || size.cy > kLargest)
        return nullptr;
    const auto key = std::tuple{size.cx, size.cy, nPenWidth};
    auto it = m_stamps.find(key);
    if (it == m_stamps.end()) {
        if (m_stamps.size() >= kKept)
            return nullptr;
        it = m_stamps.emplace(key, Record(size, nPenWidth)).first;
    }
    return it->second ? &*it->second : nullptr;
}

// GDI draws the ellipse on a surface of its own with room all round; a
// drawing that reaches the room's edge is not trusted to be whole.
std::optional<EllipseStamps::Stamp> EllipseStamps::Record(Size size, int nPenWidth) const
{
    const int nRoom = nPenWidth + 2;
    GdiSurface surface(Size{size.cx + 2 * nRoom, size.cy + 2 * nRoom}, m_nDpi);
    const Size sizeDevice = surface.GetDeviceSize();
    if (sizeDevice.cx == 0)
        return std::nullopt;
    HDC hdc = surface.GetHdc();
    HPEN hpen = CreatePen(PS_SOLID, nPenWidth, RGB(0, 0, 255));
    HBRUSH hbrush = CreateSolidBrush(RGB(0, 255, 0));
    HGDIOBJ hOldPen = SelectObject(hdc, hpen);
    HGDIOBJ hOldBrush = SelectObject(hdc, hbrush);
    ::Ellipse(hdc, nRoom, nRoom, nRoom + size.cx, nRoom + size.cy);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    DeleteObject(hpen);
    DeleteObject(hbrush);

    const std::span<std::uint32_t> bits = surface.GetBits();
    const int nOrigin = nRoom * m_nScale;
    Stamp stamp;
    for (int nY = 0; nY < sizeDevice.cy; ++nY) {
        const std::uint32_t* pRow = bits.data() + std::ptrdiff_t{nY} * sizeDevice.cx;
        for (int nX = 0; nX < sizeDevice.cx;) {
            const std::uint32_t nBits = pRow[nX] & 0xFFFFFFu;
            int nEnd = nX + 1;
            while (nEnd < sizeDevice.cx && (pRow[nEnd] & 0xFFFFFFu) == nBits)
                ++nEnd;
            if (nBits != 0) {
                const bool bEdge = nY == 0 || nY == sizeDevice.cy - 1 || nX == 0 || nEnd == sizeDevice.cx;
                if (bEdge || (nBits != kRecordedPen && nBits != kRecordedBrush))
                    return std::nullopt;
                stamp.push_back(Run{nY - nOrigin, nX - nOrigin, nEnd - nOrigin, nBits == kRecordedPen});
            }
            nX = nEnd;
        }
    }
    return stamp;
}
