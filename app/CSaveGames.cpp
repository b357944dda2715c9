#include "app/CSaveGames.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

CSaveGames::LoadResult CSaveGames::Load(const std::string& strPath)
{
    errno = 0;
    FilePtr pFile(std::fopen(strPath.c_str(), "rb"));
    if (!pFile) {
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
    }
    unsigned char bytes[4];
    // A short file, or a directory, reads fewer than four bytes.
    if (std::fread(bytes, 1, sizeof bytes, pFile.get()) != sizeof bytes) {
        return LoadResult::Unreadable;
    }
    const std::uint32_t nBits = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
                                | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    m_nSavedProgress = static_cast<std::int32_t>(nBits);
    return LoadResult::Loaded;
}

bool CSaveGames::Save(const std::string& strPath, std::string& strError) const
{
    // "r+b" keeps whatever follows the fourth byte; only a missing file is
    // created anew.
    errno = 0;
    FilePtr pFile(std::fopen(strPath.c_str(), "r+b"));
    if (!pFile && errno == ENOENT) {
        pFile.reset(std::fopen(strPath.c_str(), "wb"));
    }
    if (!pFile) {
        strError = std::strerror(errno);
        return false;
    }
    const auto nBits = static_cast<std::uint32_t>(m_nSavedProgress);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(nBits), static_cast<unsigned char>(nBits >> 8),
        static_cast<unsigned char>(nBits >> 16), static_cast<unsigned char>(nBits >> 24)};
    errno = 0;
    const bool bWritten = std::fwrite(bytes, 1, sizeof bytes, pFile.get()) == sizeof bytes
                          && std::fflush(pFile.get()) == 0;
    if (!bWritten) {
        strError = errno != 0 ? std::strerror(errno) : "the write was incomplete";
    }
    if (std::fclose(pFile.release()) != 0 && bWritten) {
        strError = std::strerror(errno);
        return false;
    }
    return bWritten;
}
