#include "app/CSaveGames.h"

#include "platform/ProgressFile.h"

#include <optional>

namespace {

// An absolute path without its trailing slashes ("/" becomes ""), or nothing
// for a relative or empty one.
std::optional<std::string_view> AbsoluteFolder(std::string_view strPath)
{
    if (!strPath.starts_with('/'))
        return std::nullopt;
    while (strPath.ends_with('/'))
        strPath.remove_suffix(1);
    return strPath;
}

}  // namespace

bool CSaveGames::Load(const std::string& strPath)
{
    progress_file::Head bytes;
    if (!progress_file::ReadHead(strPath, bytes))
        return false;
    const std::uint32_t nBits = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
                                | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    m_nSavedProgress = static_cast<std::int32_t>(nBits);
    return true;
}

bool CSaveGames::Save(const std::string& strPath, std::string& strError) const
{
    if (!progress_file::MakeFoldersFor(strPath, strError)) {
        strError = "its folder could not be made: " + strError;
        return false;
    }
    const auto nBits = static_cast<std::uint32_t>(m_nSavedProgress);
    const progress_file::Head bytes = {
        static_cast<unsigned char>(nBits), static_cast<unsigned char>(nBits >> 8),
        static_cast<unsigned char>(nBits >> 16), static_cast<unsigned char>(nBits >> 24)};
    return progress_file::WriteHead(strPath, bytes, strError);
}

std::string ProgressFilePath(bool bInStartFolder, std::string_view strDataHome, std::string_view strHome)
{
    const auto data = AbsoluteFolder(strDataHome);
    const auto home = AbsoluteFolder(strHome);
    if (bInStartFolder || (!data && !home))
        return kProgressFileName;
    const std::string strData = data ? std::string(*data) : std::string(*home) + "/.local/share";
    return strData + "/vasculon/" + kProgressFileName;
}

bool ProgressFileInStartFolder()
{
    return progress_file::ExistsHere(kProgressFileName);
}
