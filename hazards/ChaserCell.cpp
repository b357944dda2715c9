// The chaser's operations of the game window: draw, contact, group update.
#include "app/CGermDlg.h"
#include "hazards/CChaser.h"
#include "hazards/WhiteCell.h"

namespace {

// When the level closes the chaser heads for the bottom edge this fast.
constexpr int kLeavingSpeed = 20;

}  // namespace

void CGermDlg::DrawChaser(DrawingContext& dc)
{
    DrawWhiteCell(dc, m_pChaser->m_rcBox);
}

int CGermDlg::ChaserHitsGerm()
{
    return KillGermInside(m_pChaser->m_rcBox);
}

// Drawn and tested where it stood before this frame's step. Once the level
// closes the flag stays 0, so a running-phase call after that does nothing.
int CGermDlg::UpdateChaser(DrawingContext& dc, int nSpeed, int bRunning)
{
    if (bRunning == 1) {
        if (m_pChaser->m_bActive != 1) {
            return 1;
        }
        DrawChaser(dc);
        if (ChaserHitsGerm()) {
            return 0;
        }
        const Point ptGerm = GetGermPos();
        m_pChaser->StepToward(ptGerm.x, ptGerm.y, nSpeed);
        return 1;
    }
    m_pChaser->m_bActive = 0;
    DrawChaser(dc);
    if (ChaserHitsGerm()) {
        return 0;
    }
    // Half the width, not left plus half: every client area starts at 0.
    m_pChaser->StepToward((m_rcClient.right - m_rcClient.left) / 2, m_rcClient.bottom,
                          kLeavingSpeed);
    return 1;
}
