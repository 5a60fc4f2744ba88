#pragma once

#include <functional>
#include <string>

// Reads one environment variable; null when it is not set.
using EnvReader = std::function<const char*(const char*)>;

// The language of the user's messages by the POSIX order: the first set one of
// LC_ALL, LC_MESSAGES and LANG decides ("de_DE.UTF-8" gives "de"). Empty for the
// C and POSIX locales and for anything that is not a plain language code, so a
// locale value can never reach a file name as a path.
std::string UserLanguage(const EnvReader& env);

// The string file used when the settings name none: "<program>.<language>.ini"
// when it exists beside the program, otherwise "<program>.ini". Both without
// directory.
std::string DefaultStringFileName(const std::string& programPath, const std::string& language);
