#pragma once
// Where progress is kept on a system that has a "Saved Games" folder for
// every user (Windows).
#include <string>
#include <string_view>

// The file in the folder the game started in when one stands there
// (bInStartFolder), so that players' files keep working; otherwise under
// Vasculon\ in the Saved Games folder, else in the local application data
// folder; the starting folder when neither is an absolute path. A folder
// that is unknown is passed as empty.
std::string SavedGamesFilePath(bool bInStartFolder, std::string_view strSavedGames,
                               std::string_view strLocalAppData);
