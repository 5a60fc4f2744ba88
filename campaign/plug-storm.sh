#!/usr/bin/env bash
# 100 unplug/plug cycles 1-3 s apart and 20 resumes, with the wizard or a
# message box open at random: threads, descriptors and resident memory before
# and after. Usage: campaign/plug-storm.sh [build]
set -euo pipefail
build=${1:-build}
# Longer than the five minutes Qt Test gives a test function by default.
ORV_CAMPAIGN_FULL=1 QTEST_FUNCTION_TIMEOUT=3600000 QT_QPA_PLATFORM=offscreen \
  "$build/tests/campaign_tests" plugStormsLeaveNothingBehind 2>&1 | grep -v '^$'
