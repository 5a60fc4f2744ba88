#!/usr/bin/env bash
# Every simulator fault with the window shown and attached (five-second hangs,
# a status call that never returns until cleared): the window thread's longest
# pause per fault, and every page used again afterwards.
# Usage: campaign/faults.sh [build]
set -euo pipefail
build=${1:-build}
ORV_CAMPAIGN_FULL=1 QT_QPA_PLATFORM=offscreen \
  "$build/tests/campaign_tests" libraryFaultsLeaveTheWindowRunning 2>&1 | grep -v '^$'
