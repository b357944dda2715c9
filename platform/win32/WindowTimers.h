#pragma once
// The game's window timers, ticking as WM_TIMER messages.
#include "platform/win32/WinApi.h"

// The system's timer resolution raised to 1 ms for as long as it lives:
// at the default 15.6 ms a 65 ms timer ticks every 78 ms.
class TimerResolution {
public:
    TimerResolution();
    ~TimerResolution();
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;

private:
    bool m_bRaised;
};

// The frame timer's tick is posted to the window as a message of its own
// rather than run inside WM_TIMER: a box opened inside a frame then leaves
// nothing of the frame timer waiting, and its nested loop runs the next
// frames. Only one frame is posted at a time, so a slow frame never leaves
// a queue of frames behind it.
class WindowTimers {
public:
    static constexpr UINT kFrameMessage = WM_APP + 1;

    explicit WindowTimers(int nFrameTimerId) : m_nFrameTimerId(nFrameTimerId) {}

    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    // Starts or restarts timer nId.
    void Set(int nId, int nPeriodMs);
    void Kill(int nId);
    // On WM_TIMER: true when the tick is to run now; the frame's is posted.
    bool OnTimerMessage(int nId);
    // On kFrameMessage, before the frame runs.
    void OnFrameMessage() { m_bFramePosted = false; }

private:
    HWND m_hwnd = nullptr;
    int m_nFrameTimerId;
    bool m_bFramePosted = false;
};
