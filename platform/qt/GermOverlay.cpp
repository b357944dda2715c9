#include "platform/qt/GermOverlay.h"

#include <QPainter>

GermOverlay::GermOverlay(QWidget* pWindow, const QPixmap& pixGerm, QPoint ptHotSpot)
    : QWidget(pWindow), m_pixGerm(pixGerm), m_ptHotSpot(ptHotSpot)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void GermOverlay::MoveGerm(QPoint ptGerm)
{
    if (ptGerm == m_ptGerm)
        return;
    const QRect rcOld = GermRect();
    m_ptGerm = ptGerm;
    update(rcOld);
    update(GermRect());
}

QRect GermOverlay::GermRect() const
{
    return QRect(m_ptGerm - m_ptHotSpot, m_pixGerm.deviceIndependentSize().toSize());
}

void GermOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(GermRect().topLeft(), m_pixGerm);
}
