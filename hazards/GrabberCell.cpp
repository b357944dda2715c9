// The grabber's operations of the game window: draw, the grab, contact, group
// update.
#include "app/CGermDlg.h"
#include "hazards/CGrabber.h"
#include "hazards/WhiteCell.h"

namespace {

// The mouth, the window's background red, faces the play area.
constexpr Rgb kMouthRed{150, 0, 0};
constexpr int kMouthWidth = 55;
constexpr int kMouthHalfHeight = 30;
constexpr Rgb kLineWhite{255, 255, 255};
constexpr int kLineWidth = 4;
// The line ends this far above the germ point.
constexpr int kLineLift = 15;
constexpr int kPullStep = 5;
// When the level closes the cycle is set here: one slide out, short of the
// respawn, every frame from then on.
constexpr int kClosingPhase = 60;

}  // namespace

void CGermDlg::DrawGrabber(DrawingContext& dc)
{
    const CGrabber& grabber = *m_pGrabber;
    DrawWhiteCell(dc, grabber.m_rcBox);
    const Point pt = grabber.m_ptAnchor;
    const int nMouthLeft = grabber.m_nSide == 0 ? pt.x : pt.x - kMouthWidth;
    dc.SelectPen(1, kMouthRed);
    dc.SelectBrush(kMouthRed);
    dc.Ellipse(Rect{nMouthLeft, pt.y - kMouthHalfHeight, nMouthLeft + kMouthWidth,
                    pt.y + kMouthHalfHeight});
    if (grabber.m_bGrabbing == 1) {
        GrabGerm(dc);
    }
}

// The line to the germ, and the pull: the real cursor moves kPullStep pixels
// on each axis toward the anchor, from where the line ends. A cursor that
// cannot be read is not pulled: the walls already report it.
void CGermDlg::GrabGerm(DrawingContext& dc)
{
    const Point ptGerm = GetGermPos();
    const Point ptEnd{ptGerm.x, ptGerm.y - kLineLift};
    const Point ptAnchor = m_pGrabber->m_ptAnchor;
    dc.SelectPen(kLineWidth, kLineWhite);
    dc.Line(ptAnchor, ptEnd);
    Point ptCursor;
    if (!m_platform.GetCursorPos(ptCursor)) {
        return;
    }
    ptCursor.x += SignToward(ptEnd.x, ptAnchor.x) * kPullStep;
    ptCursor.y += SignToward(ptEnd.y, ptAnchor.y) * kPullStep;
    m_platform.SetCursorPos(ptCursor);
}

int CGermDlg::GrabberHitsGerm()
{
    return KillGermInside(m_pGrabber->m_rcBox);
}

// Drawn and tested where it stood before this frame's step. Closing: a grab
// still on pulls once more in the draw, then the cell lets go and slides out
// for good.
int CGermDlg::UpdateGrabber(DrawingContext& dc, int bRunning)
{
    DrawGrabber(dc);
    if (GrabberHitsGerm()) {
        return 0;
    }
    if (bRunning != 1) {
        m_pGrabber->m_bGrabbing = 0;
        m_pGrabber->m_nPhase = kClosingPhase;
    }
    m_pGrabber->Advance(m_rcClient, m_platform);
    return 1;
}
