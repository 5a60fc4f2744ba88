#!/usr/bin/env bash
# Starts the utility from a scratch copy of the program folder on a virtual
# display of its own with a session bus and the accessibility bus, and has
# atspi_walk.py walk its window. Usage: run_atspi_walk.sh <bin dir> [locale]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(realpath "$1")
locale=${2:-C.UTF-8}

if [ -z "${ORV_ATSPI_SESSION:-}" ]; then
  export ORV_ATSPI_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi

source "$here/../../bench/virtual_display.sh"
work=$(mktemp -d)
app_pid=
bus_pid=
cleanup() {
  for pid in $app_pid $bus_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display

cp "$bin"/orvane-wlan "$bin"/ORVWL.DLL "$bin"/orvane-wlan.bin "$bin"/orvane-wlan*.ini "$work"/
mkdir -m 700 "$work/run"
strings="$work/orvane-wlan.ini"
case "$locale" in de*) strings="$work/orvane-wlan.de.ini" ;; esac
title=$(sed -n 's/^AppTitle=\(.*\)\r\?$/\1/p' "$strings" | tr -d '\r')

export XDG_RUNTIME_DIR="$work/run" ORVWL_SIM_HOME="$work/sim" LC_ALL="$locale" LANG="$locale"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The accessibility bus answers on the session bus once it is asked for.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
"$work/orvane-wlan" /UI >"$work/app.log" 2>&1 &
app_pid=$!
# On failure the utility's own output tells why, before the scratch folder goes.
/usr/bin/python3 "$here/atspi_walk.py" "$title" "$strings" "$title" || {
  echo "output of the utility:" >&2
  cat "$work/app.log" >&2
  exit 1
}
