#pragma once
// The progress record: one signed 32-bit little-endian integer at the start
// of "Saved Games.grm". Bytes after the fourth belong to whoever wrote them.
#include <cstdint>
#include <string>

class CSaveGames {
public:
    enum class LoadResult { Loaded, Missing, Unreadable };

    // Reads the first four bytes. A missing, short, or unreadable file leaves
    // m_nSavedProgress untouched.
    LoadResult Load(const std::string& strPath);
    // Writes four bytes over the start of the file, creating it if needed and
    // never truncating it. On failure returns false and sets strError.
    bool Save(const std::string& strPath, std::string& strError) const;

    std::int32_t m_nSavedProgress = 0;
};

inline constexpr const char* kProgressFileName = "Saved Games.grm";
