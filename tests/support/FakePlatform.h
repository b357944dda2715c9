#pragma once
// A scripted machine for the game: a virtual clock that fires timers in time
// order, a cursor and window that tests place, and a record of everything the
// game asked for (sounds, boxes, menu states, cursor and window moves).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/RecordingDrawingContext.h"

class CGermDlg;

class FakePlatform : public Platform {
public:
    struct PlayedSound {
        int nSoundId;
        int nFrame;  // frames presented before it started
        friend bool operator==(const PlayedSound&, const PlayedSound&) = default;
    };

    // Timers fire into this window from now on.
    void Attach(CGermDlg& dlg) { m_pDlg = &dlg; }
    // Moves the clock on, firing every timer that falls due, earliest first.
    void AdvanceMs(long long nMs);
    // Moves the clock to each of the next n ticks of timer nId.
    void RunTicks(int nId, int nTicks)
    {
        for (int i = 0; i < nTicks && IsTimerRunning(nId); ++i) AdvanceMs(m_timers.at(nId).nDueMs - m_nNowMs);
    }
    // The next n frames (frame timer ticks), with whatever falls between.
    void RunFrames(int nFrames) { RunTicks(101, nFrames); }
    bool IsTimerRunning(int nId) const { return m_timers.count(nId) != 0; }
    int TimerPeriod(int nId) const { return m_timers.at(nId).nPeriodMs; }
    std::vector<int> SoundIds() const
    {
        std::vector<int> ids;
        for (const PlayedSound& sound : m_sounds) ids.push_back(sound.nSoundId);
        return ids;
    }

    // Platform
    void SetTimer(int nId, int nMs) override { m_timers[nId] = Timer{nMs, m_nNowMs + nMs, m_nNextOrder++}; }
    void KillTimer(int nId) override { m_timers.erase(nId); }
    bool GetCursorPos(Point& pt) override { return m_bCursorReadable && (pt = m_ptCursor, true); }
    void SetCursorPos(Point pt) override { m_cursorMoves.push_back(m_ptCursor = pt); }
    void SetGermCursor(bool bGerm) override { m_bGermCursor = bGerm; }
    Rect GetClientRect() override { return m_rcClient; }
    Rect GetWindowRect() override { return m_rcWindow; }
    int GetMenuBarHeight() override { return m_nMenuBarHeight; }
    void MoveWindow(Point pt) override
    {
        m_rcWindow = Rect{pt.x, pt.y, pt.x + m_rcWindow.Width(), pt.y + m_rcWindow.Height()};
        m_windowMoves.push_back(pt);
    }
    void EnableMenuItem(int nCommandId, bool bEnabled) override { m_menu[nCommandId] = bEnabled; }
    std::unique_ptr<DrawingContext> CreateFrameSurface(Size) override
    {
        return std::make_unique<RecordingDrawingContext>();
    }
    void PresentFrame(DrawingContext& dc) override
    {
        m_lastFrame = dynamic_cast<RecordingDrawingContext&>(dc);
        ++m_nFramesPresented;
    }
    void PlaySound(int nSoundId) override { m_sounds.push_back({nSoundId, m_nFramesPresented}); }
    void MessageBox(std::string_view strText) override;
    void ShowAbout(CAboutDlg& dlg) override { m_onAbout(dlg); }
    void OpenUrl(std::string_view strUrl) override { m_urls.emplace_back(strUrl); }
    void Sleep(int nMs) override { m_sleeps.push_back(nMs), m_nNowMs += nMs; }
    int GetLocalSeconds() override { return m_nSeconds; }
    int Rand() override;
    std::string GetEnvironment(const std::string& str) override { return m_env.contains(str) ? m_env[str] : ""; }

    // Scripted: a 489 x 581 client area in a decorated window on a wide screen.
    Point m_ptCursor{960, 540};
    bool m_bCursorReadable = true;
    Rect m_rcClient{0, 0, 489, 581};
    Rect m_rcWindow{715, 228, 1206, 852};
    int m_nMenuBarHeight = 19;
    int m_nSeconds = 7;
    std::vector<int> m_randQueue;  // served first, then a fixed generator
    std::map<std::string, std::string> m_env;  // none of the real process's
    // Runs while a message box is "open", e.g. to play frames behind it.
    std::function<void(const std::string&)> m_onMessageBox;
    std::function<void(CAboutDlg&)> m_onAbout = [](CAboutDlg&) {};

    // Recorded.
    std::vector<PlayedSound> m_sounds;
    std::vector<std::string> m_boxes;
    std::map<int, bool> m_menu;
    std::vector<Point> m_cursorMoves;
    std::vector<Point> m_windowMoves;
    std::vector<int> m_sleeps;
    std::vector<std::string> m_urls;
    bool m_bGermCursor = false;
    int m_nFramesPresented = 0;
    RecordingDrawingContext m_lastFrame;

private:
    struct Timer { int nPeriodMs; long long nDueMs, nOrder; };
    CGermDlg* m_pDlg = nullptr;
    std::map<int, Timer> m_timers;
    long long m_nNowMs = 0;
    long long m_nNextOrder = 0;
    unsigned m_nRandState = 1;
};
