#pragma once
// The progress file's system calls, one implementation a system (posix/,
// win32/). Only a regular file is ever opened, never one that could make the
// game wait (a pipe, a device), and never through a link at the file's own
// name: a folder unpacked from an archive could otherwise make the game write
// into any file the player owns. Linked folders on the way are followed.
// Paths are UTF-8; errors come back as a short text for the player's box.
#include <cstddef>
#include <string>

namespace progress_file {

inline constexpr std::size_t kHeadSize = 4;
using Head = unsigned char[kHeadSize];

// Reads the first kHeadSize bytes of a regular file; false for a missing,
// short or unreadable file and for anything else in its place.
bool ReadHead(const std::string& strPath, Head& head);

// Writes head over the start of a regular file, creating it when missing and
// never truncating it; false with strError set.
bool WriteHead(const std::string& strPath, const Head& head, std::string& strError);

// Makes the folders the file's path names and any missing parents, each
// private to the player; one already there (or a link to one) is no error.
bool MakeFoldersFor(const std::string& strPath, std::string& strError);

// Whether anything at all, a link or a dangling one included, goes by
// pszName in the current folder.
bool ExistsHere(const char* pszName);

}  // namespace progress_file
