#include "app/CSaveGames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <optional>
#include <utility>

namespace {

constexpr int kNotRegular = -1;  // in place of an errno

class FileHandle {
public:
    explicit FileHandle(int nFd) : m_nFd(nFd) {}
    ~FileHandle()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return m_nFd; }
    int Release() { return std::exchange(m_nFd, -1); }
    // Closes now, so that a failing close can be reported; the error number or 0.
    int Close()
    {
        const int nResult = ::close(m_nFd);
        m_nFd = -1;
        return nResult == 0 ? 0 : errno;
    }

private:
    int m_nFd;
};

// Opens only a regular file, and never waits: a named pipe, a device or a
// socket in the file's place would block the frame or swallow the bytes.
// The type is checked before the open, so no device is ever opened, and
// again after it, in case the name was swapped in between.
int OpenRegularFile(const std::string& strPath, int nFlags, int& nError)
{
    struct stat status {};
    if (::stat(strPath.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        nError = kNotRegular;
        return -1;
    }
    FileHandle file(::open(strPath.c_str(), nFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (file.Get() < 0) {
        nError = errno;
        return -1;
    }
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        nError = kNotRegular;
        return -1;
    }
    return file.Release();
}

const char* Describe(int nError)
{
    return nError == kNotRegular ? "it is not a regular file" : std::strerror(nError);
}

// Makes a folder and its missing parents, each 0700 as the XDG base
// directories ask; the error number, or 0. Something that is no folder in the
// way shows when the file is opened.
int MakeFolders(const std::string& strFolder)
{
    struct stat status {};
    if (strFolder.empty() || ::stat(strFolder.c_str(), &status) == 0)
        return 0;
    if (const auto nSlash = strFolder.find_last_of('/'); nSlash != std::string::npos && nSlash > 0) {
        if (const int nError = MakeFolders(strFolder.substr(0, nSlash)); nError != 0)
            return nError;
    }
    return ::mkdir(strFolder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

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
    int nError = 0;
    const FileHandle file(OpenRegularFile(strPath, O_RDONLY, nError));
    if (file.Get() < 0) {
        return false;
    }
    unsigned char bytes[4];
    std::size_t nRead = 0;
    while (nRead < sizeof bytes) {
        const ssize_t n = ::read(file.Get(), bytes + nRead, sizeof bytes - nRead);
        if (n == 0 || (n < 0 && errno != EINTR)) {
            return false;  // a short file, or a read error
        }
        nRead += n > 0 ? std::size_t(n) : 0;
    }
    const std::uint32_t nBits = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
                                | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    m_nSavedProgress = static_cast<std::int32_t>(nBits);
    return true;
}

bool CSaveGames::Save(const std::string& strPath, std::string& strError) const
{
    if (const auto nSlash = strPath.find_last_of('/'); nSlash != std::string::npos) {
        if (const int nFolderError = MakeFolders(strPath.substr(0, nSlash)); nFolderError != 0) {
            strError = std::string("its folder could not be made: ") + std::strerror(nFolderError);
            return false;
        }
    }
    // No O_TRUNC: whatever follows the fourth byte is kept.
    int nError = 0;
    FileHandle file(OpenRegularFile(strPath, O_WRONLY | O_CREAT, nError));
    if (file.Get() < 0) {
        strError = Describe(nError);
        return false;
    }
    const auto nBits = static_cast<std::uint32_t>(m_nSavedProgress);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(nBits), static_cast<unsigned char>(nBits >> 8),
        static_cast<unsigned char>(nBits >> 16), static_cast<unsigned char>(nBits >> 24)};
    std::size_t nWritten = 0;
    while (nWritten < sizeof bytes) {
        const ssize_t n = ::write(file.Get(), bytes + nWritten, sizeof bytes - nWritten);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            strError = n < 0 ? std::strerror(errno) : "the write was incomplete";
            return false;
        }
        nWritten += std::size_t(n);
    }
    // A full disk may only show at close.
    if (const int nCloseError = file.Close(); nCloseError != 0) {
        strError = std::strerror(nCloseError);
        return false;
    }
    return true;
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
    struct stat status {};
    return ::lstat(kProgressFileName, &status) == 0;
}
