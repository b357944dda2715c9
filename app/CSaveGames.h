#pragma once
// The progress record: one signed 32-bit little-endian integer at the start
// of "Saved Games.grm". Bytes after the fourth belong to whoever wrote them.
#include <cstdint>
#include <string>

class CSaveGames {
public:
    // Reads the first four bytes; false, with m_nSavedProgress untouched, for
    // a missing, short or unreadable file and for anything but a regular file
    // (a named pipe, a device, a socket, a folder), which is never waited on.
    bool Load(const std::string& strPath);
    // Writes four bytes over the start of the file, creating it if needed and
    // never truncating it, and only into a regular file. On failure returns
    // false and sets strError.
    bool Save(const std::string& strPath, std::string& strError) const;

    std::int32_t m_nSavedProgress = 0;
};

inline constexpr const char* kProgressFileName = "Saved Games.grm";
