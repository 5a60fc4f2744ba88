#!/usr/bin/env bash
# Single instance under races, with the real executable: STARTS simultaneous
# starts must leave exactly one instance; ROUNDS of /Close racing a start must
# each end with no instance left once a last /Close has run, and no process
# hanging. Usage: campaign/instances.sh [build/bin] [STARTS] [ROUNDS]
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
starts=${2:-20}
rounds=${3:-50}
work=$(mktemp -d)
started=()
trap 'kill -KILL "${started[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
for f in orvane-wlan ORVWL.DLL orvane-wlan.bin orvane-wlan.ini; do cp "$bin/$f" "$work/"; done
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" ORVWL_SIM_HOME="$work/sim" QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

# Instances of this copy of the program still running.
instances() {
  local n=0 p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" = "$work/orvane-wlan" ] && n=$((n + 1))
  done
  echo "$n"
}
wait_for() {  # condition, seconds
  local end=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

pids=()
for ((i = 0; i < starts; i++)); do "$work/orvane-wlan" & pids+=($!); done
started+=("${pids[@]}")
wait_for '[ "$(instances)" -le 1 ]' 60 || true
left=$(instances)
echo "simultaneous starts: $starts, instances left running: $left"
"$work/orvane-wlan" /Close
wait_for '[ "$(instances)" -eq 0 ]' 20 || echo "an instance did not close"
wait "${pids[@]}" 2>/dev/null || true

two=0 stuck=0
for ((r = 0; r < rounds; r++)); do
  "$work/orvane-wlan" & start=$!
  "$work/orvane-wlan" /Close & close=$!
  started=("$start" "$close")
  sleep "0.$((RANDOM % 10))"
  [ "$(instances)" -gt 2 ] && two=$((two + 1))
  wait "$close" || true
  wait_for '! kill -0 '"$start"' 2>/dev/null || [ -S "$XDG_RUNTIME_DIR/Or-Vane_NotifyMsg.sock" ]' 20 || true
  [ "$(instances)" -gt 1 ] && two=$((two + 1))
  "$work/orvane-wlan" /Close
  if ! wait_for '! kill -0 '"$start"' 2>/dev/null' 20; then
    stuck=$((stuck + 1))
    kill -KILL "$start"
  fi
  wait "$start" 2>/dev/null || true
done
echo "/Close racing a start: $rounds rounds, rounds with two instances: $two, starts stuck: $stuck"
[ "$left" -eq 1 ] && [ "$two" -eq 0 ] && [ "$stuck" -eq 0 ]
