#include "platform/qt/FrameView.h"

#include <QGuiApplication>
#include <QPainter>

#include "platform/qt/FramePresenter.h"
#include "platform/qt/wayland/WaylandPresenter.h"
#ifdef VASCULON_HAVE_XCB_SHM
#include "platform/qt/x11/X11Presenter.h"
#endif

FrameView::FrameView(int nWidth, int nHeight, QWidget* pParent)
    : QWidget(pParent), m_imgFrame(nWidth, nHeight, QImage::Format_RGB32)
{
    // Black until the first frame, as an empty surface of the original was.
    m_imgFrame.fill(Qt::black);
    setFixedSize(nWidth, nHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

FrameView::~FrameView() = default;

SurfaceMemory* FrameView::StartPresenting()
{
    const QString strPlatform = QGuiApplication::platformName();
    if (strPlatform == QLatin1String("wayland"))
        m_pPresenter = WaylandPresenter::Create(*this);
#ifdef VASCULON_HAVE_XCB_SHM
    if (strPlatform == QLatin1String("xcb")) {
        // A window of its own that Qt leaves unpainted: frames are put on it.
        setAttribute(Qt::WA_NativeWindow);
        m_pPresenter = X11Presenter::Create(windowHandle());
        setAttribute(Qt::WA_PaintOnScreen, m_pPresenter != nullptr);
    }
#endif
    m_bDirect = m_pPresenter != nullptr;
    return m_pPresenter.get();
}

void FrameView::Present(const QImage& image, QPoint ptShift)
{
    m_imgFrame = ptShift.isNull() ? image : Shifted(image, ptShift, palette().color(QPalette::Window));
    if (!PutDirectly())
        update();
}

QImage FrameView::Shifted(const QImage& image, QPoint ptShift, QColor rgbGround)
{
    QImage shifted(image.size(), QImage::Format_RGB32);
    shifted.setDevicePixelRatio(image.devicePixelRatio());
    shifted.fill(rgbGround);
    QPainter painter(&shifted);
    painter.drawImage(QPointF(ptShift), image);  // in the image's logical pixels, as the game's
    return shifted;
}

QPaintEngine* FrameView::paintEngine() const
{
    return testAttribute(Qt::WA_PaintOnScreen) ? nullptr : QWidget::paintEngine();
}

void FrameView::paintEvent(QPaintEvent*)
{
    if (PutDirectly())
        return;
    // The frame has the screen's device pixels; the painter keeps to the
    // region being painted.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_imgFrame);
}

// Puts the frame through the presenter; false when it cannot be, from then
// on: the area is painted through Qt instead.
bool FrameView::PutDirectly()
{
    if (!m_bDirect)
        return false;
    if (m_pPresenter->Present(m_imgFrame))
        return true;
    m_bDirect = false;
    setAttribute(Qt::WA_PaintOnScreen, false);
    return false;
}
