// The fixed file-version block of our own binaries. Windows binaries carry a
// VS_FIXEDFILEINFO in their version resource; ELF has no such resource, so the
// executable and ORVWL.DLL each compile this file and carry the same 52-byte
// record in a section of its own, ".orv_version", where FileVersionText
// (core/utility.cpp) finds it through the section header table.
//
// This file is a source of each binary target, not of wlcore: an object in a
// static library that nothing references would never be linked in.

#include <cstdint>

#include "orv_version.h"

namespace {

// VS_FIXEDFILEINFO, field for field.
struct FixedFileInfo {
  uint32_t dwSignature;
  uint32_t dwStrucVersion;
  uint32_t dwFileVersionMS;
  uint32_t dwFileVersionLS;
  uint32_t dwProductVersionMS;
  uint32_t dwProductVersionLS;
  uint32_t dwFileFlagsMask;
  uint32_t dwFileFlags;
  uint32_t dwFileOS;
  uint32_t dwFileType;
  uint32_t dwFileSubtype;
  uint32_t dwFileDateMS;
  uint32_t dwFileDateLS;
};
static_assert(sizeof(FixedFileInfo) == 52);

constexpr uint32_t kVersionMS = (uint32_t{ORV_VERSION_MAJOR} << 16) | ORV_VERSION_MINOR;
constexpr uint32_t kVersionLS = (uint32_t{ORV_VERSION_PATCH} << 16) | ORV_VERSION_BUILD;
static_assert(ORV_VERSION_MAJOR <= 0xFFFF && ORV_VERSION_MINOR <= 0xFFFF &&
                  ORV_VERSION_PATCH <= 0xFFFF && ORV_VERSION_BUILD <= 0xFFFF,
              "each version part must fit 16 bits");

#if defined(__has_attribute) && __has_attribute(retain)
#define ORV_RETAIN __attribute__((retain))
#else
#define ORV_RETAIN
#endif

// `used` keeps the compiler from dropping the unreferenced object, `retain`
// keeps a linker that collects unused sections from dropping its section.
[[maybe_unused]] __attribute__((used, section(".orv_version")))
ORV_RETAIN const FixedFileInfo kOrvVersionBlock = {
    .dwSignature = 0xFEEF04BD,
    .dwStrucVersion = 0x00010000,
    .dwFileVersionMS = kVersionMS,
    .dwFileVersionLS = kVersionLS,
    .dwProductVersionMS = kVersionMS,
    .dwProductVersionLS = kVersionLS,
    .dwFileFlagsMask = 0x3F,  // VS_FFI_FILEFLAGSMASK
    .dwFileFlags = 0,
    .dwFileOS = 0,    // VOS_UNKNOWN
    .dwFileType = 0,  // VFT_UNKNOWN
    .dwFileSubtype = 0,
    .dwFileDateMS = 0,
    .dwFileDateLS = 0,
};

}  // namespace
