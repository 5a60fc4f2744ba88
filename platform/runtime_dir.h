#pragma once

#include <string>

// Where per-user named objects live: $XDG_RUNTIME_DIR, else a private folder
// in the temporary directory. The object name is made safe as a file name.
std::string RuntimeObjectPath(const std::string& name, const std::string& suffix);
