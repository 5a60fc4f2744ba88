#include "model/ini_fields.h"

#include <cstring>

#include "core/ini_file.h"
#include "core/utility.h"
#include "platform/text.h"

std::string BytesToHex(const uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(count * 2);
  for (std::size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0x0F];
  }
  return text;
}

void AppendIniField(const IniField& field, const void* record, IniKeyValues& out) {
  const auto* p = static_cast<const unsigned char*>(record) + field.offset;
  std::string value;
  switch (field.kind) {
    case IniFieldKind::kInt32: {
      int32_t v;
      std::memcpy(&v, p, sizeof v);
      value = std::to_string(v);
      break;
    }
    case IniFieldKind::kUInt16: {
      uint16_t v;
      std::memcpy(&v, p, sizeof v);
      value = std::to_string(v);
      break;
    }
    case IniFieldKind::kUInt8:
      value = std::to_string(unsigned{*p});
      break;
    case IniFieldKind::kBool8:
      value.push_back(*p != 0 ? '1' : '0');
      break;
    case IniFieldKind::kText:
      value = std::string(TextOf(reinterpret_cast<const char*>(p), field.size));
      break;
    case IniFieldKind::kBytes:
      value = BytesToHex(p, field.size);
      break;
  }
  out.emplace_back(field.key, std::move(value));
}

void ReadIniField(const IniFile& ini, std::string_view section, const IniField& field,
                  void* record) {
  auto* p = static_cast<unsigned char*>(record) + field.offset;
  switch (field.kind) {
    case IniFieldKind::kInt32: {
      const int32_t v = ini.ReadInteger(section, field.key, field.defaultValue);
      std::memcpy(p, &v, sizeof v);
      break;
    }
    case IniFieldKind::kUInt16: {
      const auto v = static_cast<uint16_t>(ini.ReadInteger(section, field.key, field.defaultValue));
      std::memcpy(p, &v, sizeof v);
      break;
    }
    case IniFieldKind::kUInt8:
      *p = static_cast<uint8_t>(ini.ReadInteger(section, field.key, field.defaultValue));
      break;
    case IniFieldKind::kBool8:
      *p = ini.ReadBool(section, field.key, field.defaultValue != 0) ? 1 : 0;
      break;
    case IniFieldKind::kText:
      // The whole buffer is rewritten, so nothing of an older text stays behind the NUL.
      std::memset(p, 0, field.size);
      CopyText(reinterpret_cast<char*>(p), field.size,
               ini.ReadString(section, field.key, field.defaultText ? field.defaultText : ""));
      break;
    case IniFieldKind::kBytes:
      // An empty value supplies no pair, which leaves the field as it was.
      HexToBytes(ini.ReadString(section, field.key, ""), p, field.size);
      break;
  }
}
