// The protocol every level follows. A level states its numbers, its drifters'
// modes and its order of group updates; this file does the rest, once for all.
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

template <class THazard>
THazard* NewArray(int nCount)
{
    return new THazard[static_cast<std::size_t>(nCount)];
}

}  // namespace

// Blocks run one after another, each reading m_nFrame as the one before left
// it: the set-up frame also shows the banner, and the two frames that reach
// the end frame run both phases.
void CGermDlg::RunLevel(DrawingContext& dc, const LevelScript& script)
{
    const bool bBanner = script.pszTitle != nullptr;
    if (m_nFrame == 0) {
        SetUpLevel(script);
    }
    if (bBanner && m_nFrame >= 1 && m_nFrame <= kBannerLastFrame) {
        DrawBanner(dc, script.pszTitle);
        ++m_nFrame;
    }
    const int nRunningAfter = bBanner ? kBannerLastFrame : 0;
    if (m_nFrame > nRunningAfter && m_nFrame <= script.nEndFrame) {
        for (HazardGroup group : script.groups) {
            if (UpdateGroup(dc, group, script, 1) == 0) {
                return;  // the germ died: the level is gone
            }
        }
        ++m_nFrame;
    }
    if (m_nFrame >= script.nEndFrame) {
        if (script.bDriftersFallWhenClosing) {
            for (int i = 0; i < m_nFirstWaveCount; ++i) {
                m_pFirstWave[i].m_bSteered = 0;
                m_pFirstWave[i].m_bHoming = 0;
                m_pFirstWave[i].m_bZigzag = 0;
            }
        }
        for (HazardGroup group : script.groups) {
            if (UpdateGroup(dc, group, script, 0) == 0) {
                return;
            }
        }
        if (AnyFirstWaveActive()) {
            return;
        }
        if (m_nProgress < script.nRaiseBelow) {
            m_nProgress = script.nRaiseTo;
        }
        CompleteLevel();
    }
}

void CGermDlg::SetUpLevel(const LevelScript& script)
{
    // A level with a title opens with the sting and puts the germ back at
    // its start; Level 1 follows the countdown, which has just done both.
    if (script.pszTitle != nullptr) {
        m_platform.PlaySound(ids::kSoundInfect);
        ResetGermPos();
    }
    m_nFirstWaveCount = script.nFirstWaveCount;
    m_pFirstWave = NewArray<CDrifter>(m_nFirstWaveCount);
    for (HazardGroup group : script.groups) {
        switch (group) {
        case HazardGroup::FirstWave:
            break;
        case HazardGroup::SecondWave:
            m_nSecondWaveCount = script.nSecondWaveCount;
            m_pSecondWave = NewArray<CBurster>(m_nSecondWaveCount);
            break;
        case HazardGroup::Chaser:
            m_pChaser = new CChaser;
            break;
        case HazardGroup::Syringes:
            m_nSyringeCount = script.nSyringeCount;
            m_pSyringes = NewArray<CSyringe>(m_nSyringeCount);
            break;
        case HazardGroup::Grabber:
            m_pGrabber = new CGrabber;
            break;
        }
    }
    m_platform.SetTimer(kFirstWaveTimer, kFirstWavePeriodMs);
    if (m_pSecondWave != nullptr) {
        m_platform.SetTimer(kSecondWaveTimer, script.nSecondWavePeriodMs);
    }
    ++m_nFrame;
    for (HazardGroup group : script.groups) {
        SpawnGroup(group, script);
    }
}

// Spawns one family in index order; a drifter's mode flag is set right after
// its own spawn, before the next one draws.
void CGermDlg::SpawnGroup(HazardGroup group, const LevelScript& script)
{
    switch (group) {
    case HazardGroup::FirstWave:
        for (int i = 0; i < m_nFirstWaveCount; ++i) {
            m_pFirstWave[i].Spawn(m_rcClient, m_platform);
        }
        SetDrifterModes(script);
        break;
    case HazardGroup::SecondWave:
        for (int i = 0; i < m_nSecondWaveCount; ++i) {
            m_pSecondWave[i].Spawn(m_rcClient, m_platform);
        }
        break;
    case HazardGroup::Chaser:
        m_pChaser->Spawn(m_rcClient, m_platform);
        break;
    case HazardGroup::Syringes:
        for (int i = 0; i < m_nSyringeCount; ++i) {
            m_pSyringes[i].Spawn(*this);
        }
        break;
    case HazardGroup::Grabber:
        m_pGrabber->Spawn(m_rcClient, m_platform);
        break;
    }
}

// Spawning touches no flag, so setting them all after the wave's spawns
// leaves every drifter as if its flag had followed its own spawn.
void CGermDlg::SetDrifterModes(const LevelScript& script)
{
    int nIndex = 0;
    for (const DrifterModeRun& run : script.drifterModes) {
        for (int i = 0; i < run.nCount && nIndex < m_nFirstWaveCount; ++i, ++nIndex) {
            CDrifter& drifter = m_pFirstWave[nIndex];
            drifter.m_bZigzag = run.mode == DrifterMode::Zigzag ? 1 : 0;
            drifter.m_bHoming = run.mode == DrifterMode::Homing ? 1 : 0;
            drifter.m_bSteered = run.mode == DrifterMode::Steered ? 1 : 0;
        }
    }
}

int CGermDlg::UpdateGroup(DrawingContext& dc, HazardGroup group, const LevelScript& script,
                          int bRunning)
{
    switch (group) {
    case HazardGroup::FirstWave:
        return UpdateFirstWave(dc, script.nDrifterSpeed, bRunning);
    case HazardGroup::SecondWave:
        return UpdateSecondWave(dc, bRunning);
    case HazardGroup::Chaser:
        return UpdateChaser(dc, script.nChaserSpeed, bRunning);
    case HazardGroup::Syringes:
        return UpdateSyringes(dc, bRunning);
    case HazardGroup::Grabber:
        return UpdateGrabber(dc, bRunning);
    }
    return 1;
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
