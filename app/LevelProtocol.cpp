// The protocol every level follows. A level supplies its numbers and its
// order of group updates; this file does the rest, once for all ten.
#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "hazards/CBurster.h"
#include "hazards/CChaser.h"
#include "hazards/CDrifter.h"
#include "hazards/CGrabber.h"
#include "hazards/CSyringe.h"
#include "platform/ResourceIds.h"

using namespace game;

// Blocks run one after another, each reading m_nFrame as the one before left
// it: the set-up frame also shows the banner, and the two frames that reach
// the end frame run both phases.
void CGermDlg::RunLevel(DrawingContext& dc, const LevelScript& script, const LevelHooks& hooks)
{
    const bool bBanner = script.pszTitle != nullptr;
    if (m_nFrame == 0) {
        SetUpLevel(script, hooks);
    }
    if (bBanner && m_nFrame >= 1 && m_nFrame <= kBannerLastFrame) {
        DrawBanner(dc, script.pszTitle);
        ++m_nFrame;
    }
    const int nRunningAfter = bBanner ? kBannerLastFrame : 0;
    if (m_nFrame > nRunningAfter && m_nFrame <= script.nEndFrame) {
        if (!hooks.update(dc, 1)) {
            return;  // the germ died: the level is gone
        }
        ++m_nFrame;
    }
    if (m_nFrame >= script.nEndFrame) {
        if (hooks.beforeClosing) {
            hooks.beforeClosing();
        }
        if (!hooks.update(dc, 0) || AnyFirstWaveActive()) {
            return;
        }
        if (m_nProgress < script.nRaiseBelow) {
            m_nProgress = script.nRaiseTo;
        }
        CompleteLevel();
    }
}

void CGermDlg::SetUpLevel(const LevelScript& script, const LevelHooks& hooks)
{
    // A level with a title opens with the sting and puts the germ back at
    // its start; Level 1 follows the countdown, which has just done both.
    if (script.pszTitle != nullptr) {
        m_platform.PlaySound(ids::kSoundInfect);
        ResetGermPos();
    }
    m_nFirstWaveCount = script.nFirstWaveCount;
    m_pFirstWave = new CDrifter[static_cast<std::size_t>(m_nFirstWaveCount)];
    if (script.nSecondWaveCount > 0) {
        m_nSecondWaveCount = script.nSecondWaveCount;
        m_pSecondWave = new CBurster[static_cast<std::size_t>(m_nSecondWaveCount)];
    }
    if (script.bChaser) {
        m_pChaser = new CChaser;
    }
    if (script.nSyringeCount > 0) {
        m_nSyringeCount = script.nSyringeCount;
        m_pSyringes = new CSyringe[static_cast<std::size_t>(m_nSyringeCount)];
    }
    if (script.bGrabber) {
        m_pGrabber = new CGrabber;
    }
    m_platform.SetTimer(kFirstWaveTimer, kFirstWavePeriodMs);
    if (script.nSecondWaveCount > 0) {
        m_platform.SetTimer(kSecondWaveTimer, script.nSecondWavePeriodMs);
    }
    ++m_nFrame;
    hooks.spawn();
}

bool CGermDlg::AnyFirstWaveActive() const
{
    for (int i = 0; i < m_nFirstWaveCount; ++i) {
        if (m_pFirstWave[i].m_bActive == 1) {
            return true;
        }
    }
    return false;
}

void CGermDlg::SpawnFirstWave()
{
    for (int i = 0; i < m_nFirstWaveCount; ++i) {
        m_pFirstWave[i].Spawn(m_rcClient, m_platform);
    }
}

LevelHooks CGermDlg::FirstWaveHooks(int nSpeed)
{
    return LevelHooks{
        .spawn = [this] { SpawnFirstWave(); },
        .update = [this, nSpeed](DrawingContext& dc,
                                 int bRunning) { return UpdateFirstWave(dc, nSpeed, bRunning) != 0; },
        .beforeClosing = nullptr,
    };
}
