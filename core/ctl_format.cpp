#include "core/ctl_format.h"

#include <cstdint>

#include "platform/text.h"

namespace ctl {

namespace {

// Code points of the text when it is valid UTF-8 as a whole, else of its bytes.
std::u32string Decode(std::string_view bytes, bool* utf8 = nullptr) {
  std::u32string out;
  if (utf8 != nullptr) *utf8 = true;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<uint8_t>(bytes[i]);
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      c = lead & 0x1F;
      minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      c = lead & 0x0F;
      minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      c = lead & 0x07;
      minimum = 0x10000;
    }
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out.clear();
      if (utf8 != nullptr) *utf8 = false;
      for (char byte : bytes) out.push_back(static_cast<uint8_t>(byte));
      return out;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string PlainValue(const Value& value) {
  return value.type == Value::kText ? TerminalText(value.text) : value.text;
}

std::string JsonValue(const Value& value) {
  return value.type == Value::kText ? JsonString(value.text) : value.text;
}

void AppendJsonRecord(std::string& out, const Record& record) {
  out += '{';
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (i > 0) out += ',';
    out += JsonString(record[i].key) + ':' + JsonValue(record[i]);
  }
  out += '}';
}

}  // namespace

std::string TerminalText(std::string_view bytes) {
  bool utf8 = true;
  const std::u32string decoded = Decode(bytes, &utf8);
  std::string out;
  for (char32_t c : decoded) {
    if (c == '\\') {
      out += "\\\\";
    } else if (IsControl(c) || (!utf8 && c >= 0x80)) {
      out += FormatText("\\x%02X", static_cast<unsigned>(c));
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (char32_t c : Decode(bytes)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (IsControl(c)) {
      out += FormatText("\\u%04X", static_cast<unsigned>(c));
    } else {
      AppendUtf8(out, c);
    }
  }
  return out + '"';
}

std::string FormatPlain(const Reply& reply) {
  std::string out;
  for (const Value& value : reply.fields) out += value.key + ": " + PlainValue(value) + '\n';
  if (reply.items.empty()) return out;
  const Record& first = reply.items.front();
  for (std::size_t i = 0; i < first.size(); ++i) out += (i > 0 ? "\t" : "") + first[i].key;
  out += '\n';
  for (const Record& item : reply.items) {
    for (std::size_t i = 0; i < item.size(); ++i) out += (i > 0 ? "\t" : "") + PlainValue(item[i]);
    out += '\n';
  }
  return out;
}

std::string FormatJson(const Reply& reply) {
  std::string out;
  AppendJsonRecord(out, reply.fields);
  if (!reply.listName.empty()) {
    out.pop_back();
    if (!reply.fields.empty()) out += ',';
    out += JsonString(reply.listName) + ":[";
    for (std::size_t i = 0; i < reply.items.size(); ++i) {
      if (i > 0) out += ',';
      AppendJsonRecord(out, reply.items[i]);
    }
    out += "]}";
  }
  return out + '\n';
}

}  // namespace ctl
