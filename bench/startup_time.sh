#!/usr/bin/env bash
# Time from exec to the main window being viewable with "/UI", on a virtual
# display, over several runs. Usage: bench/startup_time.sh [build/bin] [runs]
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
runs=${2:-10}
title=$(sed -n 's/^AppTitle=\(.*\)\r\?$/\1/p' "$bin/orvane-wlan.ini" | tr -d '\r')
title=${title:-orvane-wlan}

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$bin"/orvane-wlan "$bin"/ORVWL.DLL "$bin"/orvane-wlan.bin "$bin"/orvane-wlan.ini "$work"/
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" DISPLAY=:97
Xvfb :97 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

total=0
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$work/orvane-wlan" /UI &
  app=$!
  until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do sleep 0.002; done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  total=$((total + ms))
  echo "run $i: ${ms} ms"
  "$work/orvane-wlan" /Close
  wait $app
done
echo "mean exec-to-window: $((total / runs)) ms over $runs runs"
