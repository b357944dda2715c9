#include "platform/win32/WindowTimers.h"

#include <mmsystem.h>

namespace {

constexpr UINT kResolutionMs = 1;

}  // namespace

TimerResolution::TimerResolution() : m_bRaised(::timeBeginPeriod(kResolutionMs) == TIMERR_NOERROR) {}

TimerResolution::~TimerResolution()
{
    if (m_bRaised)
        ::timeEndPeriod(kResolutionMs);
}

void WindowTimers::Set(int nId, int nPeriodMs)
{
    // The same id again replaces the timer, with the new period.
    ::SetTimer(m_hwnd, UINT_PTR(nId), UINT(nPeriodMs), nullptr);
}

void WindowTimers::Kill(int nId)
{
    ::KillTimer(m_hwnd, UINT_PTR(nId));
}

bool WindowTimers::OnTimerMessage(int nId)
{
    if (nId != m_nFrameTimerId)
        return true;
    if (!m_bFramePosted)
        m_bFramePosted = ::PostMessageW(m_hwnd, kFrameMessage, 0, 0) != FALSE;
    return false;
}
