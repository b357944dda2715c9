#include "platform/qt/FrameView.h"

#include <QPainter>

FrameView::FrameView(int nWidth, int nHeight, QWidget* pParent)
    : QWidget(pParent), m_imgFrame(nWidth, nHeight, QImage::Format_RGB32)
{
    // Black until the first frame, as an empty surface of the original was.
    m_imgFrame.fill(Qt::black);
    setFixedSize(nWidth, nHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameView::Present(const QImage& image)
{
    m_imgFrame = image;
    update();
}

void FrameView::paintEvent(QPaintEvent*)
{
    // The frame has the screen's device pixels; the painter keeps to the
    // region being painted.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_imgFrame);
}
