#include "ui/profile/profile_name_text.h"

#include <QStringDecoder>
#include <algorithm>

#include "ui/profile/free_profile_name.h"

namespace {

QString Decode(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // A leading byte-order mark is part of the name, not a hint to the decoder.
  QStringDecoder utf8(QStringDecoder::Utf8,
                      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(view);
  return utf8.hasError() ? QString::fromLatin1(view) : text;
}

}  // namespace

QString ProfileNameText(std::string_view bytes) {
  QString text = Decode(bytes.substr(0, std::min(bytes.size(), kProfileNameBytes)));
  std::replace_if(
      text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; },
      QChar(u' '));
  return text;
}

QString ProfileNameText(const char* buffer, std::size_t size) {
  const auto length = static_cast<std::size_t>(std::find(buffer, buffer + size, '\0') - buffer);
  return ProfileNameText(std::string_view(buffer, length));
}

std::string ProfileNameBytes(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(
      CutAtCharacter(std::string_view(utf8.constData(), utf8.size()), kProfileNameBytes));
}
