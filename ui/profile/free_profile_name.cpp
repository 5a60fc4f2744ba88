#include "ui/profile/free_profile_name.h"

namespace {

constexpr int kLastNumber = 9998;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  // Back to the first byte of the character the cut falls into.
  while (end > 0 && IsContinuationByte(text[end])) --end;
  return text.substr(0, end);
}

std::string FreeProfileName(std::string_view name,
                            const std::function<bool(const std::string&)>& taken) {
  const std::string whole(CutAtCharacter(name, kProfileNameBytes));
  if (whole.empty() || !taken(whole)) return whole;
  std::string candidate;
  for (int i = 1; i <= kLastNumber; ++i) {
    const std::string suffix = "_" + std::to_string(i);
    candidate = std::string(CutAtCharacter(name, kProfileNameBytes - suffix.size())) + suffix;
    if (!taken(candidate)) break;
  }
  return candidate;
}
