#include "platform/ProgressFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace progress_file {

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
        const int nResult = ::close(std::exchange(m_nFd, -1));
        return nResult == 0 ? 0 : errno;
    }

private:
    int m_nFd;
};

// Opens only a regular file, and never waits: a named pipe, a device or a
// socket in the file's place would block the frame or swallow the bytes. The
// name itself is never followed as a link (lstat, O_NOFOLLOW): a link to a
// file would be written through, a dangling one would create its target. The
// type is checked before the open, so no device is ever opened, and again
// after it, in case the name was swapped in between.
int OpenRegularFile(const std::string& strPath, int nFlags, int& nError)
{
    struct stat status {};
    if (::lstat(strPath.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        nError = kNotRegular;
        return -1;
    }
    FileHandle file(::open(strPath.c_str(), nFlags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (file.Get() < 0) {
        nError = errno == ELOOP ? kNotRegular : errno;  // a link put there since the check
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

}  // namespace

bool ReadHead(const std::string& strPath, Head& head)
{
    int nError = 0;
    const FileHandle file(OpenRegularFile(strPath, O_RDONLY, nError));
    if (file.Get() < 0)
        return false;
    std::size_t nRead = 0;
    while (nRead < kHeadSize) {
        const ssize_t n = ::read(file.Get(), head + nRead, kHeadSize - nRead);
        if (n == 0 || (n < 0 && errno != EINTR))
            return false;  // a short file, or a read error
        nRead += n > 0 ? std::size_t(n) : 0;
    }
    return true;
}

bool WriteHead(const std::string& strPath, const Head& head, std::string& strError)
{
    // No O_TRUNC: whatever follows the head is kept.
    int nError = 0;
    FileHandle file(OpenRegularFile(strPath, O_WRONLY | O_CREAT, nError));
    if (file.Get() < 0) {
        strError = Describe(nError);
        return false;
    }
    std::size_t nWritten = 0;
    while (nWritten < kHeadSize) {
        const ssize_t n = ::write(file.Get(), head + nWritten, kHeadSize - nWritten);
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

bool MakeFoldersFor(const std::string& strPath, std::string& strError)
{
    const auto nSlash = strPath.find_last_of('/');
    if (nSlash == std::string::npos)
        return true;
    if (const int nError = MakeFolders(strPath.substr(0, nSlash)); nError != 0) {
        strError = std::strerror(nError);
        return false;
    }
    return true;
}

bool ExistsHere(const char* pszName)
{
    struct stat status {};
    return ::lstat(pszName, &status) == 0;
}

}  // namespace progress_file
