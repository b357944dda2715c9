#include "platform/qt/x11/X11Pointer.h"

#include <QWidget>
#include <algorithm>

#include "platform/qt/ScreenPixels.h"

namespace {

// How long before a frame the pointer is asked for (see AskAhead): time
// enough for the X server to answer on a busy machine, too short to notice.
constexpr int kPointerLeadMs = 4;

QCursor GermCursor(const QPixmap& pixGerm, QPoint ptHotSpot)
{
    if (pixGerm.isNull())
        return QCursor(Qt::CrossCursor);  // still marks the germ's point
    return QCursor(pixGerm, ptHotSpot.x(), ptHotSpot.y());
}

}  // namespace

X11Pointer::X11Pointer(QWidget& window, const QPixmap& pixGerm, QPoint ptHotSpot)
    : m_window(window), m_curGerm(GermCursor(pixGerm, ptHotSpot))
{
    m_aheadTimer.setSingleShot(true);
    m_aheadTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_aheadTimer, &QTimer::timeout, [this] { m_ahead.emplace(); });
}

// Each reading is a round trip to the X server unless it was asked ahead,
// and a busy machine makes one slow enough to delay the frame.
QPoint X11Pointer::Read(const std::function<QRect()>&)
{
    m_ptDevice = m_ahead ? m_ahead->Answer() : x_server::Pointer();
    m_ahead.reset();
    return m_ptDevice ? screen_pixels::Rescaled(m_window, *m_ptDevice, screen_pixels::ToGamePixel) : QCursor::pos();
}

void X11Pointer::Step(QPoint, QPoint ptTo)
{
    const QPoint ptStep = m_ptDevice ? screen_pixels::StepOnto(ptTo, *m_ptDevice, screen_pixels::ScreenOrigin(m_window),
                                                               m_window.devicePixelRatioF())
                                     : QPoint();
    if (!m_ptDevice || !x_server::MovePointerBy(ptStep)) {
        QCursor::setPos(ptTo);
        return;
    }
    *m_ptDevice += ptStep;  // where a second move this frame steps from
    // Sent with the frame, or right after whatever moved it outside one:
    // sending at once mid-frame wakes the server, which may take the
    // processor from the frame.
    QMetaObject::invokeMethod(&m_window, &x_server::Flush, Qt::QueuedConnection);
}

void X11Pointer::SetGermCursor(bool bGerm)
{
    // The whole window, menu bar included, shows the germ.
    m_window.setCursor(bGerm ? m_curGerm : QCursor(Qt::ArrowCursor));
}

// Asked from the frame timer's own schedule, so a late question never makes
// a late frame; the answer arrives while the game sleeps.
void X11Pointer::AskAhead(int nMsToFrame)
{
    m_aheadTimer.start(std::max(0, nMsToFrame - kPointerLeadMs));
}

void X11Pointer::ForgetAhead()
{
    m_aheadTimer.stop();
    m_ahead.reset();
}
