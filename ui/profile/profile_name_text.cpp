#include "ui/profile/profile_name_text.h"

#include <algorithm>

#include "ui/profile/free_profile_name.h"
#include "ui/shell/ssid_text.h"

QString ProfileNameText(std::string_view bytes) { return ByteNameText(bytes, kProfileNameBytes); }

QString ProfileNameText(const char* buffer, std::size_t size) {
  const auto length = static_cast<std::size_t>(std::find(buffer, buffer + size, '\0') - buffer);
  return ProfileNameText(std::string_view(buffer, length));
}

std::string ProfileNameBytes(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(
      CutAtCharacter(std::string_view(utf8.constData(), utf8.size()), kProfileNameBytes));
}
