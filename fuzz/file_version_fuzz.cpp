// FileVersionText over arbitrary file contents: PE and ELF headers whose
// offsets and counts point anywhere. The answer is empty or dotted numbers.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/utility.h"
#include "fuzz/temp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzTempFile file("version");
  file.Write(data, size);
  const std::string text = FileVersionText(file.Path(), 4);
  for (char c : text) {
    if (c != '.' && (c < '0' || c > '9')) std::abort();
  }
  return 0;
}
