#!/usr/bin/env bash
# 1000 scans and 10 000 status ticks of the adapter manager on the simulated
# library under AddressSanitizer and LeakSanitizer (the asan preset); a leak
# fails the run. Usage: campaign/leak-soak.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build/asan ] || cmake --preset asan >/dev/null
cmake --build build/asan -j2 --target adapter_tests orvwl orvwl-sim
ORV_LEAK_SOAK=1 ASAN_OPTIONS=detect_leaks=1 nice -n 10 build/asan/tests/adapter_tests \
  --gtest_filter='*ThousandScansAndTenThousandStatusTicks*'
