#!/usr/bin/env bash
# Attached with 8 Mbit/s of traffic and a scan every minute for MINUTES
# (default 60): one line per minute of resident memory, CPU time, threads,
# descriptors and the window's longest pause, niced so it can run beside work.
# Usage: campaign/soak.sh [build] [MINUTES]
set -euo pipefail
build=${1:-build}
minutes=${2:-60}
# Qt Test ends a test function after five minutes unless told otherwise.
ORV_SOAK_MINUTES=$minutes QTEST_FUNCTION_TIMEOUT=$(((minutes + 5) * 60000)) QT_QPA_PLATFORM=offscreen \
  nice -n 10 "$build/tests/campaign_tests" soak -maxwarnings 0 2>&1 | grep -v '^$'
