#!/usr/bin/env bash
# Builds the utility and starts it with the simulated adapter, its window shown.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the utility on a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/bin/orvane-wlan /UI /TrayIcon "$@"
fi
exec build/bin/orvane-wlan /UI /TrayIcon "$@"
