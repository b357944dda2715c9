#pragma once
// The desktop's own pointer, where a program may move it: read from and
// moved on the X server in its own pixels, so that at a scale factor it is
// rounded as the window's frame is (see ScreenPixels.h), and asked for a
// moment before each frame. Without an X server Qt's pointer serves.
#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <optional>

#include "platform/qt/GamePointer.h"
#include "platform/qt/x11/XServer.h"

class X11Pointer final : public GamePointer {
public:
    // window shows the germ cursor and outlives this.
    X11Pointer(QWidget& window, const QPixmap& pixGerm, QPoint ptHotSpot);

    QPoint Read(const std::function<QRect()>& walls) override;
    void Step(QPoint ptFrom, QPoint ptTo) override;
    void SetGermCursor(bool bGerm) override;
    void AskAhead(int nMsToFrame) override;
    void ForgetAhead() override;

private:
    QWidget& m_window;
    QCursor m_curGerm;
    // The last reading in the server's pixels, which the game's moves step
    // from: it reads before it moves, and a second move steps from the first.
    std::optional<QPoint> m_ptDevice;
    std::optional<x_server::PointerQuery> m_ahead;
    QTimer m_aheadTimer;
};
