#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then the core,
# adapter and simulator tests again under AddressSanitizer+UBSan and ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in default asan tsan; do
  echo "== ${preset} =="
  cmake --preset "$preset" -DORV_WERROR=ON >/dev/null
  cmake --build --preset "$preset" -j2
  ctest --preset "$preset" -j2
done
