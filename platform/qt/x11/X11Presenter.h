#pragma once
// Puts finished frames on an X window from memory the server shares with us,
// never waiting for the server on the way. Qt's own painting asks the
// server, before every paint, whether it has finished reading the last one;
// on a busy machine that round trip can cost the frame a whole time slice of
// some other program. Here frames are drawn straight into shared memory
// (as the frame surfaces' SurfaceMemory), put from there without a copy, and
// a block is drawn on again once the server has answered a request sent
// after its last put: an answer that has long arrived a frame later.
#include <QImage>
#include <QWindow>
#include <memory>

#include "platform/qt/FramePresenter.h"

class X11Presenter final : public FramePresenter {
public:
    // Nothing when the window is not on an X server, or the server cannot
    // share memory with us: the caller paints through Qt then.
    static std::unique_ptr<X11Presenter> Create(const QWindow* pWindow);
    ~X11Presenter() override;
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    bool Present(const QImage& image) override;

    // SurfaceMemory. The images may outlive this presenter, not Qt's
    // connection to the server.
    QImage Make(QSize sizeDevice) override;
    bool IsOurs(const QImage& image) const override;
    bool IsFree(const QImage& image) override;

private:
    X11Presenter(void* pConnection, unsigned int nWindow, int nDepth);

    void* m_pConnection;  // Qt's xcb_connection_t; shared, xcb is thread-safe
    unsigned int m_nWindow;
    unsigned int m_nGc = 0;
    int m_nDepth;
};
