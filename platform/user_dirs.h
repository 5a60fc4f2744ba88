#pragma once

#include <string>

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
// path, else ~/.config. Empty when no home folder is known.
std::string UserConfigHome();

// Whether this process may create files in the folder.
bool FolderWritable(const std::string& folder);
