#include "adapter/wl_records.h"

#include <cstring>

int FindAdapterIdent(const AdapterIdent& ident, std::span<const AdapterIdent> list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (std::memcmp(&list[i], &ident, sizeof(AdapterIdent)) == 0) return static_cast<int>(i);
  }
  return -1;
}
