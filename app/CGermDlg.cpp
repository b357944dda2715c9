// The game window's life: start-up, timer ticks, menu commands and the frame.
#include "app/CGermDlg.h"

#include <iterator>
#include <utility>

#include "app/CAboutDlg.h"
#include "app/GameConstants.h"
#include "app/HelpTexts.h"
#include "hazards/CBurster.h"
#include "hazards/CChaser.h"
#include "hazards/CDrifter.h"
#include "hazards/CGrabber.h"
#include "hazards/CSyringe.h"
#include "platform/ResourceIds.h"

using namespace game;

CGermDlg::CGermDlg(Platform& platform) : m_platform(platform) {}

// The host may be half torn down by now: delete, but ask nothing of it.
CGermDlg::~CGermDlg()
{
    DeleteHazards();
}

void CGermDlg::OnInitDialog()
{
    Rect rc = m_platform.GetClientRect();
    if (rc.right < rc.left) {
        std::swap(rc.left, rc.right);
    }
    if (rc.bottom < rc.top) {
        std::swap(rc.top, rc.bottom);
    }
    m_rcClient = rc;
    m_platform.SetTimer(kFrameTimer, kFramePeriodMs);
    RefreshLevelMenu();
}

// A wave of n is released on ticks 1 to n; tick n + 1 stops its timer.
template <class THazard>
void CGermDlg::ReleaseNext(THazard* pWave, int nCount, int& nReleased, int nTimerId)
{
    if (nReleased == nCount) {
        nReleased = 0;
        m_platform.KillTimer(nTimerId);
        return;
    }
    if (pWave != nullptr && nReleased >= 0 && nReleased < nCount) {
        pWave[nReleased].m_bActive = 1;
    }
    ++nReleased;
}

void CGermDlg::OnTimer(int nId)
{
    switch (nId) {
    case kFrameTimer:
        DrawFrame();
        break;
    case kFirstWaveTimer:
        ReleaseNext(m_pFirstWave, m_nFirstWaveCount, m_nFirstWaveReleased, kFirstWaveTimer);
        break;
    case kSecondWaveTimer:
        ReleaseNext(m_pSecondWave, m_nSecondWaveCount, m_nSecondWaveReleased, kSecondWaveTimer);
        break;
    default:
        break;
    }
}

void CGermDlg::OnCommand(int nCommandId)
{
    if (nCommandId == ids::kInstructions) {
        OnInstructions();
    } else if (nCommandId == ids::kAbout) {
        OnAbout();
    } else if (nCommandId >= ids::kFirstStartCommand && nCommandId <= ids::kLastStartCommand
               && m_nState == kStateIdle) {
        // "New Game" starts the countdown; "Level 2" onwards start their own state.
        m_nState = nCommandId == ids::kNewGame ? kStateCountdown
                                               : nCommandId - ids::kLevel2 + kStateLevel1 + 1;
    }
}

void CGermDlg::DrawFrame()
{
    // Each frame has its own surface: a frame nested inside a modal box
    // opened by this one draws on its own.
    std::unique_ptr<DrawingContext> pSurface
        = m_platform.CreateFrameSurface(Size{m_rcClient.right, m_rcClient.bottom});
    DrawingContext& dc = *pSurface;
    DrawBackdrop(dc);
    if (m_nState == kStateIdle) {
        RefreshLevelMenu();
    }
    if (m_nState > kStateIdle) {
        DisableStartMenu();
        RunState(dc);
        if (m_nState >= kStateCountdown && m_nState <= kStateFinalLevel) {
            SteerGerm();
        }
    }
    if (m_nState == kStateEndingAct) {
        RunEndingAct(dc);
    }
    m_platform.SetGermCursor(m_nState >= kStateCountdown);
    m_platform.PresentFrame(dc);
}

void CGermDlg::DisableStartMenu()
{
    for (int nId = ids::kFirstStartCommand; nId <= ids::kLastStartCommand; ++nId) {
        m_platform.EnableMenuItem(nId, false);
    }
}

void CGermDlg::RunState(DrawingContext& dc)
{
    // The state's script, by m_nState: the countdown, then Level 1 to the
    // Final Level. Anything else does nothing.
    using Script = void (CGermDlg::*)(DrawingContext&);
    static constexpr Script kScripts[] = {
        &CGermDlg::RunCountdown, &CGermDlg::RunLevel1, &CGermDlg::RunLevel2,
        &CGermDlg::RunLevel3,    &CGermDlg::RunLevel4, &CGermDlg::RunLevel5,
        &CGermDlg::RunLevel6,    &CGermDlg::RunLevel7, &CGermDlg::RunLevel8,
        &CGermDlg::RunLevel9,    &CGermDlg::RunFinalLevel,
    };
    static_assert(std::size(kScripts) == kStateFinalLevel);
    if (m_nState >= kStateCountdown && m_nState <= kStateFinalLevel) {
        const Script pScript = kScripts[m_nState - kStateCountdown];
        (this->*pScript)(dc);
    }
}

void CGermDlg::OnInstructions()
{
    m_platform.MessageBox(kInstructionsText);
}

void CGermDlg::OnAbout()
{
    CAboutDlg dlg(m_platform);
    dlg.DoModal();
}
