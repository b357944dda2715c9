#pragma once
// The player's "Saved Games" folder, as the shell knows it.
#include <string>

// UTF-8; empty when the shell has none for this user (progress then goes
// to the local application data folder).
std::string SavedGamesFolder();
// An environment variable in UTF-8, whatever the system's code page; empty
// when unset.
std::string EnvironmentVariable(const std::string& strName);
