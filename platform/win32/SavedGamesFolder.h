#pragma once
// The player's "Saved Games" folder, as the shell knows it.
#include <string>

// UTF-8, without a trailing separator; empty when the shell has none for
// this user (it is then kept in the local application data folder).
std::string SavedGamesFolder();
// An environment variable in UTF-8, whatever the system's code page; empty
// when unset.
std::string EnvironmentVariable(const std::string& strName);
