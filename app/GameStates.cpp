// The countdown and the operations every state shares: banner, start point,
// completion and clearing.
#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "hazards/CBurster.h"
#include "hazards/CChaser.h"
#include "hazards/CDrifter.h"
#include "hazards/CGrabber.h"
#include "hazards/CSyringe.h"
#include "platform/ResourceIds.h"

using namespace game;

namespace {

// Each countdown word shows for 25 frames; its sound starts on its first one.
struct CountdownStep {
    int nFirstFrame;
    const char* pszText;
    int nSoundId;
};

constexpr CountdownStep kCountdown[] = {
    {1, "Ready", ids::kSoundCount},
    {26, "Set", ids::kSoundCount},
    {51, "INFECT!", ids::kSoundInfect},
};
constexpr int kCountdownStepFrames = 25;
constexpr int kCountdownLastFrame = 75;

}  // namespace

void CGermDlg::RunCountdown(DrawingContext& dc)
{
    if (m_nFrame == 0) {
        ResetGermPos();
    }
    // Each step reads the counter the step before left: the last frame of one
    // word also shows the next.
    for (const CountdownStep& step : kCountdown) {
        if (m_nFrame >= step.nFirstFrame && m_nFrame < step.nFirstFrame + kCountdownStepFrames) {
            if (m_nFrame == step.nFirstFrame) {
                m_platform.PlaySound(step.nSoundId);
            }
            DrawCentredText(dc, step.pszText);
            ++m_nFrame;
        }
    }
    if (m_nFrame > kCountdownLastFrame) {
        CompleteLevel();
    }
}

void CGermDlg::DrawBanner(DrawingContext& dc, std::string_view strText)
{
    DrawCentredText(dc, strText);
}

// Centred horizontally; the text's top edge on the client's vertical middle.
void CGermDlg::DrawCentredText(DrawingContext& dc, std::string_view strText)
{
    const Size size = dc.GetTextExtent(strText);
    const int nX = (m_rcClient.right - m_rcClient.left) / 2 - size.cx / 2;
    const int nY = (m_rcClient.bottom - m_rcClient.top) / 2;
    dc.TextOut(Point{nX, nY}, strText);
}

// The start point: the window's horizontal centre, 150 pixels above its
// bottom edge, so the germ starts inside the window on any screen.
void CGermDlg::ResetGermPos()
{
    const Rect rc = m_platform.GetWindowRect();
    m_platform.SetCursorPos(
        Point{rc.left + (rc.right - rc.left) / 2, rc.bottom - kStartPointAboveBottom});
    ++m_nFrame;
}

void CGermDlg::CompleteLevel()
{
    ClearLevel();
    ++m_nState;
    SaveProgress();
    RefreshLevelMenu();
}

void CGermDlg::ClearLevel()
{
    m_platform.KillTimer(kFirstWaveTimer);
    m_platform.KillTimer(kSecondWaveTimer);
    m_nFrame = 0;
    m_nFirstWaveReleased = 0;
    m_nSecondWaveReleased = 0;
    m_nWallHits = 0;
    m_strPushDir = "Nowhere";
    m_nPushFrames = 0;
    DeleteHazards();
}

void CGermDlg::DeleteHazards()
{
    delete[] m_pFirstWave;
    m_pFirstWave = nullptr;
    delete[] m_pSecondWave;
    m_pSecondWave = nullptr;
    delete m_pChaser;
    m_pChaser = nullptr;
    delete m_pGrabber;
    m_pGrabber = nullptr;
    if (m_pSyringes != nullptr) {
        for (int i = 0; i < m_nSyringeCount; ++i) {
            m_pSyringes[i].m_bSpraying = 0;
        }
        delete[] m_pSyringes;
        m_pSyringes = nullptr;
    }
}
