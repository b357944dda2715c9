#pragma once
// Puts finished frames on an X window through shared memory, never waiting
// for the X server on the way. Qt's own painting asks the server, before
// every paint, whether it has finished reading the last one; on a busy
// machine that round trip can cost the frame a whole time slice of some
// other program. Here two shared segments take turns, and a segment is
// reused once the server has answered a request sent after its last put —
// an answer that has long arrived 65 ms later.
#include <QImage>
#include <QWindow>
#include <array>
#include <memory>

class X11Presenter {
public:
    // Nothing when the window is not on an X server, or the server cannot
    // share memory with us: the caller paints through Qt then.
    static std::unique_ptr<X11Presenter> Create(const QWindow* pWindow);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // Shows image (device pixels, 32-bit) at the window's top-left; false
    // when it could not (the caller paints through Qt from then on).
    bool Present(const QImage& image);

private:
    struct Segment;
    X11Presenter(void* pConnection, unsigned int nWindow, int nDepth);
    bool Reserve(Segment& segment, qsizetype nBytes);
    void WaitUntilFree(Segment& segment);
    void Release(Segment& segment);

    void* m_pConnection;  // Qt's xcb_connection_t; shared, xcb is thread-safe
    unsigned int m_nWindow;
    unsigned int m_nGc = 0;
    int m_nDepth;
    std::array<std::unique_ptr<Segment>, 2> m_segments;
    std::size_t m_nNext = 0;
};
