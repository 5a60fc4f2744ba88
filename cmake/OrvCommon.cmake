# Settings every target of the project shares: language level, warnings and
# the strict Qt defines. Targets link orv_common instead of repeating them.
add_library(orv_common INTERFACE)
target_compile_features(orv_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(orv_common INTERFACE -Wall -Wextra -Wpedantic $<$<BOOL:${ORV_WERROR}>:-Werror>)
target_compile_definitions(orv_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# The code outside the layers (programs, simulator, tests, benchmarks, fuzz
# targets) includes by path from the top of the tree and may see every folder.
add_library(orv_source_tree INTERFACE)
target_include_directories(orv_source_tree INTERFACE ${PROJECT_SOURCE_DIR})

set(ORV_SANITIZE "" CACHE STRING "Sanitizers to build with: empty, address, thread")
if(ORV_SANITIZE STREQUAL "address")
  target_compile_options(orv_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(orv_common INTERFACE -fsanitize=address,undefined)
elseif(ORV_SANITIZE STREQUAL "thread")
  target_compile_options(orv_common INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(orv_common INTERFACE -fsanitize=thread)
endif()

# The project version, embedded in our binaries so the about box and the
# driver version read it back the way they read any file's version.
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in ${PROJECT_BINARY_DIR}/generated/orv_version.h @ONLY)
target_include_directories(orv_common INTERFACE ${PROJECT_BINARY_DIR}/generated)
