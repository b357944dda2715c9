#include "platform/qt/FrameView.h"

#include <QGuiApplication>
#include <QPainter>

#ifdef VASCULON_HAVE_XCB_SHM
#include "platform/qt/X11Presenter.h"
#else
#include "platform/qt/QtDrawingContext.h"
class X11Presenter final : public SurfaceMemory {};
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
#ifdef VASCULON_HAVE_XCB_SHM
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    // A window of its own that Qt leaves unpainted: frames are put on it.
    setAttribute(Qt::WA_NativeWindow);
    m_pPresenter = X11Presenter::Create(windowHandle());
    setAttribute(Qt::WA_PaintOnScreen, m_pPresenter != nullptr);
#endif
    return m_pPresenter.get();
}

void FrameView::Present(const QImage& image)
{
    m_imgFrame = image;
    if (!PutDirectly())
        update();
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

// Puts the frame on the area's own window; false when it cannot be, from then
// on: the area is painted through Qt instead.
bool FrameView::PutDirectly()
{
#ifdef VASCULON_HAVE_XCB_SHM
    if (!testAttribute(Qt::WA_PaintOnScreen))
        return false;
    if (m_pPresenter->Present(m_imgFrame))
        return true;
    setAttribute(Qt::WA_PaintOnScreen, false);
#endif
    return false;
}
