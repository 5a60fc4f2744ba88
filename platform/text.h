#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Every text that goes into a fixed record buffer passes through CopyText, so
// nothing is ever written past a buffer: n bytes hold n - 1 characters and a NUL.
inline void CopyText(char* buffer, std::size_t size, std::string_view text) {
  if (size == 0) return;
  const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

template <std::size_t N>
void CopyText(char (&buffer)[N], std::string_view text) {
  CopyText(buffer, N, text);
}

// The text of a NUL-terminated buffer; a buffer without NUL ends at its size.
inline std::string_view TextOf(const char* buffer, std::size_t size) {
  const void* nul = std::memchr(buffer, '\0', size);
  return {buffer, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : size};
}

template <std::size_t N>
std::string_view TextOf(const char (&buffer)[N]) {
  return TextOf(buffer, N);
}

// ASCII case folding: section, key, profile and switch names compare this way.
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

// printf into a std::string; the format attribute makes a mismatch a compile error.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
