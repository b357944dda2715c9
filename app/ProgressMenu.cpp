// The progress level between runs, and the "Start" items it unlocks.
#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/MenuResource.h"

#include <algorithm>
#include <string>

using namespace game;

// A missing file is a fresh start; one that cannot be read in full, or that
// is no regular file, is treated the same, silently, since this runs on every
// idle frame.
void CGermDlg::LoadProgress()
{
    if (m_saveGames.Load(kProgressFileName)) {
        m_nProgress = m_saveGames.m_nSavedProgress;
    }
}

void CGermDlg::SaveProgress()
{
    // Progress never goes down: a file raised behind our back since we last
    // read it keeps its value.
    CSaveGames stored;
    if (stored.Load(kProgressFileName) && stored.m_nSavedProgress > m_nProgress) {
        m_nProgress = stored.m_nSavedProgress;
    }
    m_saveGames.m_nSavedProgress = m_nProgress;
    std::string strError;
    if (!m_saveGames.Save(kProgressFileName, strError) && !m_bSaveFailureReported) {
        m_bSaveFailureReported = true;
        m_platform.MessageBox(std::string("Your progress could not be saved to \"")
                              + kProgressFileName + "\": " + strError + ".");
    }
}

// The item that starts state s is enabled exactly when s <= progress. A value
// above the top unlocks everything, as the top does; it stays in the file.
void CGermDlg::RefreshLevelMenu()
{
    LoadProgress();
    const int nProgress = std::min(m_nProgress, kMaxProgress);
    for (const MenuItem& item : kStartMenu) {
        const bool bNewGame = item.nCommandId == kStartMenu.front().nCommandId;
        const int nState = item.nCommandId - kStartMenu.front().nCommandId + kStateCountdown + 1;
        m_platform.EnableMenuItem(item.nCommandId, bNewGame || nState <= nProgress);
    }
}
