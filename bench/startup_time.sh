#!/usr/bin/env bash
# Time from exec to the main window being viewable with "/UI", on a virtual
# display, over several runs. Usage: bench/startup_time.sh [build/bin] [runs]
set -euo pipefail
runs=${2:-10}

source "$(dirname "$0")/virtual_display.sh"
prepare_program_folder "${1:-build/bin}"
trap 'stop_virtual_display; rm -rf "$work"' EXIT
start_virtual_display

# One timed start; prints the milliseconds, or fails when the utility ended
# without showing its window.
timed_start() {
  local start app
  start=$(date +%s%N)
  "$work/orvane-wlan" /UI &
  app=$!
  # The first look waits until the utility has connected to the display: some
  # virtual displays turn away a client that connects while another does.
  sleep 0.05
  until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.005
  done
  echo $((($(date +%s%N) - start) / 1000000))
  "$work/orvane-wlan" /Close
  wait "$app"
}

total=0
for i in $(seq "$runs"); do
  for try in 1 2 3; do
    if ms=$(timed_start 2>/dev/null); then break; fi
    echo "run $i: the utility ended before its window showed (try $try)" >&2
    [ "$try" = 3 ] && exit 1
  done
  total=$((total + ms))
  echo "run $i: ${ms} ms"
done
echo "mean exec-to-window: $((total / runs)) ms over $runs runs"
