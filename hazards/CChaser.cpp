#include "hazards/CChaser.h"

#include "hazards/RandomDraw.h"
#include "platform/Platform.h"

void CChaser::Spawn(Rect rcArea, Platform& platform)
{
    const int nSeconds = platform.GetLocalSeconds();
    const int nX = DrawRepeated(platform, nSeconds, rcArea.right - rcArea.left, m_rcBox.right);
    m_rcBox = Rect{nX - kSize, rcArea.top - kSize, nX, rcArea.top};
}

// No clamping: a centre nearer its target than nStep jumps past it and comes
// back next time, so a chaser that has caught up swings about its target.
void CChaser::StepToward(int nX, int nY, int nStep)
{
    const int nCentreX = m_rcBox.left + (m_rcBox.right - m_rcBox.left) / 2;
    const int nCentreY = m_rcBox.top + (m_rcBox.bottom - m_rcBox.top) / 2;
    const int nDx = SignToward(nCentreX, nX) * nStep;
    const int nDy = SignToward(nCentreY, nY) * nStep;
    m_rcBox.left += nDx;
    m_rcBox.right += nDx;
    m_rcBox.top += nDy;
    m_rcBox.bottom += nDy;
}
