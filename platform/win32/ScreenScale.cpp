#include "platform/win32/ScreenScale.h"

#include "platform/DevicePixels.h"

using device_pixels::ToDevicePixel;
using device_pixels::ToGamePixel;

const ScreenScale::Reading& ScreenScale::Read() const
{
    if (!m_read) {
        const UINT nDpi = m_hwnd != nullptr ? ::GetDpiForWindow(m_hwnd) : 0;
        MONITORINFO info{};
        info.cbSize = sizeof info;
        const bool bMonitor =
            m_hwnd != nullptr && ::GetMonitorInfoW(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &info);
        m_read = Reading{nDpi != 0 ? nDpi : USER_DEFAULT_SCREEN_DPI,
                         bMonitor ? POINT{info.rcMonitor.left, info.rcMonitor.top} : POINT{0, 0}};
    }
    return *m_read;
}

UINT ScreenScale::Dpi() const
{
    return Read().nDpi;
}

Point ScreenScale::ToGame(POINT ptDevice) const
{
    const POINT ptOrigin = Origin();
    const double dRatio = Ratio();
    return Point{ptOrigin.x + ToGamePixel(ptDevice.x - ptOrigin.x, dRatio),
                 ptOrigin.y + ToGamePixel(ptDevice.y - ptOrigin.y, dRatio)};
}

POINT ScreenScale::ToDevice(Point ptGame) const
{
    const POINT ptOrigin = Origin();
    const double dRatio = Ratio();
    return POINT{ptOrigin.x + ToDevicePixel(ptGame.x - ptOrigin.x, dRatio),
                 ptOrigin.y + ToDevicePixel(ptGame.y - ptOrigin.y, dRatio)};
}

// Right and bottom are exclusive in both: the edge pixel inside is the
// last device pixel inside.
Rect ScreenScale::ToGame(const RECT& rcDevice) const
{
    const Point ptTopLeft = ToGame(POINT{rcDevice.left, rcDevice.top});
    const Point ptBeyond = ToGame(POINT{rcDevice.right, rcDevice.bottom});
    return Rect{ptTopLeft.x, ptTopLeft.y, ptBeyond.x, ptBeyond.y};
}

int ScreenScale::ToDeviceLength(int nGame) const
{
    return ToDevicePixel(nGame, Ratio());
}

int ScreenScale::ToGameLength(int nDevice) const
{
    return ToGamePixel(nDevice, Ratio());
}

// Every hazard's contact test asks where the germ is: the frame's first
// asking reads the pointer, the rest share it, as on the Qt host. (Under Wine
// each reading is two round trips to its server and a look at the registry:
// twenty a frame in the Final Level made half of the game's requests.)
bool GermPointer::Read(Point& pt)
{
    if (!m_ptRead) {
        POINT ptDevice{};
        if (!::GetCursorPos(&ptDevice))
            return false;
        m_ptRead = ptDevice;
    }
    pt = m_scale.ToGame(*m_ptRead);
    return true;
}

void GermPointer::Move(Point ptTarget)
{
    POINT ptNow{};
    if (!::GetCursorPos(&ptNow))
        return;
    const POINT ptFrom = m_ptRead.value_or(ptNow);
    const POINT ptTo = m_scale.ToDevice(ptTarget);
    ::SetCursorPos(ptNow.x + ptTo.x - ptFrom.x, ptNow.y + ptTo.y - ptFrom.y);
    // The next step of this frame starts where this one put the germ.
    m_ptRead = ptTo;
}
