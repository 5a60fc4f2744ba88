#include "core/string_file_choice.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

std::string UserLanguage(const EnvReader& env) {
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = env(name);
    if (value != nullptr && *value != '\0') {
      locale = value;
      break;
    }
  }
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  if (language.size() < 2 || language.size() > 3) return {};
  if (!std::all_of(language.begin(), language.end(),
                   [](unsigned char c) { return std::isalpha(c) != 0; })) {
    return {};
  }
  std::string lower(language);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string DefaultStringFileName(const std::string& programPath, const std::string& language) {
  const fs::path program(programPath);
  const std::string plain = fs::path(program.filename()).replace_extension(".ini").string();
  if (language.empty()) return plain;
  const std::string translated = program.stem().string() + "." + language + ".ini";
  std::error_code error;
  if (fs::is_regular_file(program.parent_path() / translated, error)) return translated;
  return plain;
}
