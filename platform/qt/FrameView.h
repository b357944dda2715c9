#pragma once
// The game window's client area: shows the last finished frame, nothing
// else. Frames are drawn off-screen, so painting is one block copy and the
// background is never erased.
#include <QImage>
#include <QWidget>

class FrameView final : public QWidget {
public:
    FrameView(int nWidth, int nHeight, QWidget* pParent);

    // Takes a finished frame and schedules its painting.
    void Present(const QImage& image);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QImage m_imgFrame;
};
