#pragma once

#include <string>

// Where per-user named objects live: $XDG_RUNTIME_DIR, else a private folder
// in the temporary directory. The object name is made safe as a file name.
// Empty when the fall-back folder is not a folder of this user's alone: the
// object then cannot be opened.
std::string RuntimeObjectPath(const std::string& name, const std::string& suffix);
