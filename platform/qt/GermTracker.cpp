#include "platform/qt/GermTracker.h"

#include <algorithm>
#include <cmath>

void GermTracker::SetWindow(QRect rcOuter, QRect rcWindow)
{
    m_rcOuter = rcOuter;
    m_rcWindow = rcWindow;
    Place(m_ptGerm);
}

void GermTracker::SetReach(QSize sizeOutput)
{
    m_sizeReach = sizeOutput;
    Place(m_ptGerm);
}

void GermTracker::PointerEntered(QPointF ptSurface)
{
    m_ptPointer = FromSurface(ptSurface);
    m_bPointerOver = true;
    if (m_bFollowsPointer)
        Place(m_ptPointer);
}

void GermTracker::PointerMoved(QPointF ptSurface)
{
    const QPointF pt = FromSurface(ptSurface);
    const QPointF ptDelta = pt - m_ptPointer;
    m_ptPointer = pt;
    m_bPointerOver = true;
    if (m_bFollowsPointer)
        Place(pt);
    else if (!m_bLocked)
        Place(m_ptGerm + ptDelta);
}

void GermTracker::MovedBy(QPointF ptSurfaceDelta)
{
    if (m_bLocked)
        Place(m_ptGerm + FromSurface(ptSurfaceDelta));
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

// Floored, as a pointer's place is the pixel it is in, left of the wall
// included.
QPoint GermTracker::Position() const
{
    return QPoint(int(std::floor(m_ptGerm.x())), int(std::floor(m_ptGerm.y())));
}

// Outside the outer rectangle by the output's size at most: a pointer stops
// at the output's edge, and no client knows where on the output its window is.
void GermTracker::Place(QPointF pt)
{
    const auto Clamp = [](qreal d, int nSize, int nReach) {
        nReach = std::max(0, nReach);  // none until the output is known
        return std::clamp(d, -qreal(nReach), qreal(std::max(0, nSize) + nReach));
    };
    m_ptGerm = QPointF(Clamp(pt.x(), m_rcOuter.width(), m_sizeReach.width()),
                       Clamp(pt.y(), m_rcOuter.height(), m_sizeReach.height()));
}
