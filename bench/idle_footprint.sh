#!/usr/bin/env bash
# Resident memory and CPU time of the utility sitting idle with the simulated
# adapter attached, on a virtual display: CPU time over one idle minute, and
# resident memory at its end. Usage: bench/idle_footprint.sh [build/bin] [seconds]
set -euo pipefail
seconds=${2:-60}

source "$(dirname "$0")/virtual_display.sh"
prepare_program_folder "${1:-build/bin}"
trap '[ -n "${app:-}" ] && "$work/orvane-wlan" /Close; stop_virtual_display; rm -rf "$work"' EXIT
start_virtual_display

# CPU time of the process so far, in clock ticks (user + system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# The utility also has windows that are never mapped under the same title, so
# every window of that title is asked whether it is viewable.
window_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null |
                awk -v name="\"$title\":" 'index($0, name) { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && return 0
  done
  return 1
}

"$work/orvane-wlan" /UI &
app=$!
sleep 0.05
until window_shown; do
  kill -0 "$app" || { echo "the utility ended before its window showed" >&2; exit 1; }
  sleep 0.05
done
# Detection, the first scan and the automatic connection settle first.
sleep 5
ticks=$(getconf CLK_TCK)
before=$(cpu_ticks "$app")
sleep "$seconds"
after=$(cpu_ticks "$app")
echo "resident memory after ${seconds} s attached: $(( $(status_kb "$app" VmRSS) / 1024 )) MB" \
     "(peak $(( $(status_kb "$app" VmHWM) / 1024 )) MB)"
awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "CPU time over %d idle seconds: %.2f s\n", s, t / hz }'
"$work/orvane-wlan" /Close
wait "$app"
app=
