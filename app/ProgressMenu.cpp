// The progress level between runs, and the "Start" items it unlocks.
#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "app/SavedGamesPath.h"
#include "platform/MenuResource.h"

#include <algorithm>
#include <string>

using namespace game;

namespace {

// Asked afresh at every use: a file put in the starting folder while the
// game runs wins from then on.
std::string ProgressPath(Platform& platform)
{
    const bool bInStartFolder = ProgressFileInStartFolder();
    if (const auto strSavedGames = platform.GetSavedGamesFolder())
        return SavedGamesFilePath(bInStartFolder, *strSavedGames, platform.GetEnvironment("LOCALAPPDATA"));
    return ProgressFilePath(bInStartFolder, platform.GetEnvironment("XDG_DATA_HOME"),
                            platform.GetEnvironment("HOME"));
}

}  // namespace

// A missing file is a fresh start; one that cannot be read in full, or that
// is no regular file, is treated the same, silently, since this runs on every
// idle frame.
void CGermDlg::LoadProgress()
{
    if (m_saveGames.Load(ProgressPath(m_platform))) {
        m_nProgress = m_saveGames.m_nSavedProgress;
    }
}

void CGermDlg::SaveProgress()
{
    // Progress never goes down: a file raised behind our back since we last
    // read it keeps its value.
    const std::string strPath = ProgressPath(m_platform);
    CSaveGames stored;
    if (stored.Load(strPath) && stored.m_nSavedProgress > m_nProgress) {
        m_nProgress = stored.m_nSavedProgress;
    }
    m_saveGames.m_nSavedProgress = m_nProgress;
    std::string strError;
    if (!m_saveGames.Save(strPath, strError) && !m_bSaveFailureReported) {
        m_bSaveFailureReported = true;
        m_platform.MessageBox("Your progress could not be saved to \"" + strPath + "\": " + strError + ".");
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
