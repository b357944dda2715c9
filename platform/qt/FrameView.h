#pragma once
// The game window's client area: shows the last finished frame, nothing
// else. Frames are drawn off-screen, so painting is one block copy and the
// background is never erased. On X11 the area is a window of its own that
// frames are put on directly (see X11Presenter); elsewhere Qt paints it.
#include <QImage>
#include <QWidget>
#include <memory>

class SurfaceMemory;
class X11Presenter;

class FrameView final : public QWidget {
public:
    FrameView(int nWidth, int nHeight, QWidget* pParent);
    ~FrameView() override;

    // Once shown: puts frames on the area's own window from now on, when it
    // can. The memory frames should be drawn in then (it lives as long as
    // this view), or nothing.
    SurfaceMemory* StartPresenting();

    // Takes a finished frame and shows it, or schedules its painting.
    void Present(const QImage& image);

    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool PutDirectly();

    std::unique_ptr<X11Presenter> m_pPresenter;
    QImage m_imgFrame;
};
