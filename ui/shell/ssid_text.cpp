#include "ui/shell/ssid_text.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMaxSsidBytes = 32;

QString Decode(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // A leading byte-order mark is part of the name, not a hint to the decoder.
  QStringDecoder utf8(QStringDecoder::Utf8,
                      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(view);
  return utf8.hasError() ? QString::fromLatin1(view) : text;
}

}  // namespace

QString SsidDisplayText(std::string_view bytes) { return ByteNameText(bytes, kMaxSsidBytes); }

QString ByteNameText(std::string_view bytes, std::size_t maxBytes) {
  QString text = Decode(bytes.substr(0, std::min(bytes.size(), maxBytes)));
  std::replace_if(
      text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; },
      QChar(u' '));
  return text;
}

QString SsidDisplayText(const char* buffer, std::size_t size) {
  const std::size_t length =
      static_cast<std::size_t>(std::find(buffer, buffer + size, '\0') - buffer);
  return SsidDisplayText(std::string_view(buffer, length));
}
