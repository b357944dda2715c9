#include "platform/qt/GermTracker.h"

#include <algorithm>
#include <cmath>

void GermTracker::SetBounds(QSize size)
{
    m_size = size;
    Place(m_ptGerm);
}

void GermTracker::PointerEntered(QPointF pt)
{
    m_ptPointer = pt;
    m_bPointerOver = true;
    if (m_bFollowsPointer)
        Place(pt);
}

void GermTracker::PointerMoved(QPointF pt)
{
    const QPointF ptDelta = pt - m_ptPointer;
    m_ptPointer = pt;
    m_bPointerOver = true;
    if (m_bFollowsPointer)
        Place(pt);
    else if (!m_bLocked)
        Place(m_ptGerm + ptDelta);
}

void GermTracker::MovedBy(QPointF ptDelta)
{
    if (m_bLocked)
        Place(m_ptGerm + ptDelta);
}

void GermTracker::Release()
{
    if (m_bLocked)
        m_ptPointer = m_ptGerm;
    m_bLocked = false;
}

void GermTracker::SetFollowsPointer(bool bFollows)
{
    m_bFollowsPointer = bFollows;
    if (bFollows)
        Place(m_ptPointer);
}

void GermTracker::Step(QPoint ptFrom, QPoint ptTo)
{
    if (!m_bFollowsPointer)
        Place(m_ptGerm + QPointF(ptTo - ptFrom));
}

QPoint GermTracker::Position() const
{
    return QPoint(int(std::floor(m_ptGerm.x())), int(std::floor(m_ptGerm.y())));
}

void GermTracker::Place(QPointF pt)
{
    m_ptGerm = QPointF(std::clamp(pt.x(), 0.0, qreal(std::max(0, m_size.width()))),
                       std::clamp(pt.y(), 0.0, qreal(std::max(0, m_size.height()))));
}
