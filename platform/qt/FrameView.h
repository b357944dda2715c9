#pragma once
// The game window's client area: shows the last finished frame, nothing
// else. Frames are drawn off-screen, so painting is one block copy and the
// background is never erased. Where it can, a presenter shows the frames
// without Qt's painting (X11Presenter, WaylandPresenter); elsewhere Qt
// paints them.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>

class FramePresenter;
class SurfaceMemory;

class FrameView final : public QWidget {
public:
    FrameView(int nWidth, int nHeight, QWidget* pParent);
    ~FrameView() override;

    // Once shown: puts frames on the area's own window from now on, when it
    // can. The memory frames should be drawn in then (it lives as long as
    // this view), or nothing.
    SurfaceMemory* StartPresenting();

    // Takes a finished frame and shows it, or schedules its painting;
    // ptShift (game pixels) moves the picture within the area.
    void Present(const QImage& image, QPoint ptShift = {});

    // image moved by ptShift game pixels within its own bounds, the edges it
    // uncovers in rgbGround.
    static QImage Shifted(const QImage& image, QPoint ptShift, QColor rgbGround);

    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool PutDirectly();

    std::unique_ptr<FramePresenter> m_pPresenter;
    bool m_bDirect = false;  // frames go through the presenter
    QImage m_imgFrame;
};
