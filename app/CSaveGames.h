#pragma once
// The progress record: one signed 32-bit little-endian integer at the start
// of "Saved Games.grm". Bytes after the fourth belong to whoever wrote them.
#include <cstdint>
#include <string>
#include <string_view>

class CSaveGames {
public:
    // Reads the first four bytes; false, with m_nSavedProgress untouched, for
    // a missing, short or unreadable file and for anything but a regular file
    // (a named pipe, a device, a socket, a folder), which is never waited on.
    bool Load(const std::string& strPath);
    // Writes four bytes over the start of the file, creating it (and its
    // missing folders, 0700) if needed and never truncating it, and only into
    // a regular file. On failure returns false and sets strError.
    bool Save(const std::string& strPath, std::string& strError) const;

    std::int32_t m_nSavedProgress = 0;
};

inline constexpr const char* kProgressFileName = "Saved Games.grm";

// Where progress is kept: the file in the folder the game started in when
// one stands there (bInStartFolder), so that players' files keep working;
// otherwise in $XDG_DATA_HOME/vasculon/, with ~/.local/share for an empty or
// relative XDG_DATA_HOME; the starting folder when HOME is empty or relative
// too. An unset variable is passed as empty.
std::string ProgressFilePath(bool bInStartFolder, std::string_view strDataHome, std::string_view strHome);
// Whether anything at all goes by the progress file's name in the current folder.
bool ProgressFileInStartFolder();
