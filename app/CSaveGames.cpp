#include "app/CSaveGames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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
