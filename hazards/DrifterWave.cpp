// The first wave's operations of the game window: draw, contact, group update.
#include "app/CGermDlg.h"
#include "hazards/CDrifter.h"

namespace {

constexpr Rgb kOutline{0, 0, 0};
constexpr Rgb kCellRed{250, 0, 0};
constexpr Rgb kCoreRed{218, 0, 0};
constexpr int kOutlineWidth = 3;
constexpr int kCoreInset = 15;

}  // namespace

void CGermDlg::DrawDrifter(CDrifter drifter, DrawingContext& dc)
{
    const Rect& rc = drifter.m_rcBox;
    dc.SelectPen(kOutlineWidth, kOutline);
    dc.SelectBrush(kCellRed);
    dc.Ellipse(rc);
    dc.SelectBrush(kCoreRed);
    dc.Ellipse(Rect{rc.left + kCoreInset, rc.top + kCoreInset, rc.right - kCoreInset,
                    rc.bottom - kCoreInset});
}

int CGermDlg::DrifterHitsGerm(CDrifter drifter)
{
    return KillGermInside(drifter.m_rcBox);
}

// Each drifter is drawn and tested where it stood before this frame's move.
// A hit deletes the whole wave, so the loop must end at once.
int CGermDlg::UpdateFirstWave(DrawingContext& dc, int nSpeed, int bRunning)
{
    for (int i = 0; i < m_nFirstWaveCount; ++i) {
        CDrifter& drifter = m_pFirstWave[i];
        if (drifter.m_bActive != 1) {
            continue;
        }
        DrawDrifter(drifter, dc);
        if (DrifterHitsGerm(drifter)) {
            return 0;
        }
        drifter.Move(nSpeed, *this);
        if (drifter.m_rcBox.top >= m_rcClient.bottom) {
            if (bRunning == 1) {
                drifter.Spawn(m_rcClient, m_platform);
            } else {
                drifter.m_bActive = 0;
            }
        }
    }
    return 1;
}
