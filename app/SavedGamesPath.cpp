#include "app/SavedGamesPath.h"

#include <optional>

#include "app/CSaveGames.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// A folder named from a drive's root ("C:\...") or a share ("\\server\..."),
// without its trailing separators; nothing for a relative or empty one,
// which would depend on where the game happens to start.
std::optional<std::string_view> AbsoluteFolder(std::string_view strPath)
{
    const bool bDrive = strPath.size() >= 3 && strPath[1] == ':' && IsSeparator(strPath[2]);
    const bool bShare = strPath.size() >= 3 && IsSeparator(strPath[0]) && IsSeparator(strPath[1]) &&
                        !IsSeparator(strPath[2]);
    if (!bDrive && !bShare)
        return std::nullopt;
    while (IsSeparator(strPath.back()))
        strPath.remove_suffix(1);
    return strPath;
}

}  // namespace

std::string SavedGamesFilePath(bool bInStartFolder, std::string_view strSavedGames,
                               std::string_view strLocalAppData)
{
    if (bInStartFolder)
        return kProgressFileName;
    for (std::string_view strFolder : {strSavedGames, strLocalAppData}) {
        if (const auto folder = AbsoluteFolder(strFolder))
            return std::string(*folder) + "\\Vasculon\\" + kProgressFileName;
    }
    return kProgressFileName;
}
