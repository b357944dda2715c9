#include "platform/ProgressFile.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <utility>

namespace progress_file {

namespace {

// Paths come as UTF-8; the wide calls take UTF-16.
std::wstring Wide(const std::string& str)
{
    if (str.empty())
        return {};
    const int nChars = ::MultiByteToWideChar(CP_UTF8, 0, str.data(), int(str.size()), nullptr, 0);
    std::wstring wstr(std::size_t(nChars > 0 ? nChars : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, str.data(), int(str.size()), wstr.data(), nChars);
    return wstr;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE hFile) : m_hFile(hFile) {}
    ~FileHandle()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_hFile);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return m_hFile; }
    HANDLE Release() { return std::exchange(m_hFile, INVALID_HANDLE_VALUE); }
    bool Close() { return ::CloseHandle(std::exchange(m_hFile, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE m_hFile;
};

const char* Describe(DWORD nError)
{
    switch (nError) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "another program holds it open";
    case ERROR_ACCESS_DENIED:
        return "it is read-only or access is denied";
    case ERROR_PATH_NOT_FOUND:
        return "its folder does not exist";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "the disk is full";
    default:
        return "the system refused it";
    }
}

// Opens only a regular file: the link itself rather than its target (so a
// link is seen and refused), binary, never truncated, never a folder or a
// device. Another program may read it meanwhile, never write it.
HANDLE OpenRegularFile(const std::string& strPath, DWORD nAccess, DWORD nDisposition, const char*& pszError)
{
    const std::wstring wstrPath = Wide(strPath);
    FileHandle file(::CreateFileW(wstrPath.c_str(), nAccess, FILE_SHARE_READ, nullptr, nDisposition,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD nError = ::GetLastError();
        // A folder in the file's place answers "access denied" to an open.
        const DWORD nAttributes = ::GetFileAttributesW(wstrPath.c_str());
        const bool bFolder = nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY);
        pszError = bFolder ? "it is not a regular file" : Describe(nError);
        return INVALID_HANDLE_VALUE;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.Get(), &info)
        || (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        pszError = "it is not a regular file";
        return INVALID_HANDLE_VALUE;
    }
    return file.Release();
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

// Makes a folder and its missing parents; the error, or 0.
DWORD MakeFolders(const std::string& strFolder)
{
    if (strFolder.empty() || (strFolder.size() == 2 && strFolder[1] == ':'))
        return 0;  // nothing, or a drive
    const std::wstring wstrFolder = Wide(strFolder);
    const DWORD nAttributes = ::GetFileAttributesW(wstrFolder.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES)
        return 0;  // something that is no folder in the way shows when the file is opened
    std::size_t nSlash = strFolder.size();
    while (nSlash > 0 && !IsSeparator(strFolder[nSlash - 1]))
        --nSlash;
    if (nSlash > 1) {
        if (const DWORD nError = MakeFolders(strFolder.substr(0, nSlash - 1)); nError != 0)
            return nError;
    }
    if (::CreateDirectoryW(wstrFolder.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS)
        return 0;
    return ::GetLastError();
}

}  // namespace

bool ReadHead(const std::string& strPath, Head& head)
{
    const char* pszError = nullptr;  // nothing to tell: a file that cannot be read is missing
    const FileHandle file(OpenRegularFile(strPath, GENERIC_READ, OPEN_EXISTING, pszError));
    if (file.Get() == INVALID_HANDLE_VALUE)
        return false;
    DWORD nRead = 0;
    return ::ReadFile(file.Get(), head, DWORD(kHeadSize), &nRead, nullptr) && nRead == kHeadSize;
}

bool WriteHead(const std::string& strPath, const Head& head, std::string& strError)
{
    // OPEN_ALWAYS: made when missing, never truncated.
    const char* pszError = nullptr;
    FileHandle file(OpenRegularFile(strPath, GENERIC_WRITE, OPEN_ALWAYS, pszError));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        strError = pszError;
        return false;
    }
    DWORD nWritten = 0;
    if (!::WriteFile(file.Get(), head, DWORD(kHeadSize), &nWritten, nullptr) || nWritten != kHeadSize) {
        strError = Describe(::GetLastError());
        return false;
    }
    if (!file.Close()) {
        strError = Describe(::GetLastError());
        return false;
    }
    return true;
}

bool MakeFoldersFor(const std::string& strPath, std::string& strError)
{
    std::size_t nSlash = strPath.size();
    while (nSlash > 0 && !IsSeparator(strPath[nSlash - 1]))
        --nSlash;
    if (nSlash == 0)
        return true;
    if (const DWORD nError = MakeFolders(strPath.substr(0, nSlash - 1)); nError != 0) {
        strError = Describe(nError);
        return false;
    }
    return true;
}

bool ExistsHere(const char* pszName)
{
    // The attributes of the name itself, a link included, whether or not it leads anywhere.
    return ::GetFileAttributesW(Wide(pszName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace progress_file
