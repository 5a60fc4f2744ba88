// A library with only the first entry point: the loader must refuse it.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t ORVWL_Initial(const char*, int32_t) {
  return 1;
}
