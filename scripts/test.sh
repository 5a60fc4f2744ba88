#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then the core,
# adapter and simulator tests again under AddressSanitizer+UBSan and ThreadSanitizer,
# then builds the fuzz targets with clang and runs each a few seconds from its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in default asan tsan fuzz; do
  echo "== ${preset} =="
  cmake --preset "$preset" -DORV_WERROR=ON >/dev/null
  cmake --build --preset "$preset" -j2
  ctest --preset "$preset" -j2
done
