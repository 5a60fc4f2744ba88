#!/usr/bin/env bash
# Start-up side by side on one virtual display: a bare Qt window (the floor),
# wpa_gui (another Qt wireless front end) and the utility with "/UI" on the
# simulated adapter, started in turn, each round in the same order. For each:
# exec until its first top-level window is mapped (from the X server's
# MapNotify), CPU time at that moment and resident memory 8 s later; prints
# the medians and the utility's ratios to the other two.
# Usage: bench/startup_compare.sh [build] [rounds]   (wpa_gui: install-deps.sh bench)
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-3}
settle=8

source "$(dirname "$0")/virtual_display.sh"
prepare_program_folder "$build/bin"
trap 'stop_virtual_display; rm -rf "$work"' EXIT
start_virtual_display
# Drawing offscreen would map no window on the display.
unset QT_QPA_PLATFORM
probe="$build/bench/map_probe"
command -v wpa_gui >/dev/null || { echo "wpa_gui is missing: scripts/install-deps.sh bench" >&2; exit 1; }

declare -A map cpu rss
run() {
  local name=$1
  shift
  local figures
  figures=$("$probe" "$settle" "$@")
  read -r m c r <<<"$figures"
  map[$name]+="$m "
  cpu[$name]+="$c "
  rss[$name]+="$r "
  echo "  $name: window ${m} ms, CPU ${c} ms, resident $((r / 1024)) MB"
}

for round in $(seq "$rounds"); do
  echo "round $round"
  run bare "" "$build/bench/bare_window"
  # wpa_gui finds no supplicant here and shows its window all the same.
  run wpa_gui "" wpa_gui
  run orvane "'$work/orvane-wlan' /Close" "$work/orvane-wlan" /UI
done

median() { tr ' ' '\n' <<<"$1" | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf '\n%-34s %12s %12s %14s\n' "median of $rounds" "window (ms)" "CPU (ms)" "RSS 8 s (MB)"
for name in bare wpa_gui orvane; do
  printf '%-34s %12s %12s %14.1f\n' "$name" "$(median "${map[$name]}")" "$(median "${cpu[$name]}")" \
    "$(awk -v kb="$(median "${rss[$name]}")" 'BEGIN { print kb / 1024 }')"
done
ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { printf "%.2f", a / b }'; }
printf '\n%-34s %12s %12s %14s\n' "orvane-wlan as a ratio" "window" "CPU" "RSS"
printf '%-34s %12s %12s %14s\n' "to wpa_gui (goal 0.6 / 0.5 / 0.45)" "$(ratio "${map[orvane]}" "${map[wpa_gui]}")" \
  "$(ratio "${cpu[orvane]}" "${cpu[wpa_gui]}")" "$(ratio "${rss[orvane]}" "${rss[wpa_gui]}")"
printf '%-34s %12s %12s %14s\n' "to bare Qt (goal - / 2 / 1.5)" "$(ratio "${map[orvane]}" "${map[bare]}")" \
  "$(ratio "${cpu[orvane]}" "${cpu[bare]}")" "$(ratio "${rss[orvane]}" "${rss[bare]}")"
