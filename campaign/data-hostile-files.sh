#!/usr/bin/env bash
# Start-up with hostile settings and string files: 50 MB with a 10 MB line,
# 50 MB of binary junk, 100 000 sections, 50 MB without a line break. Each is
# appended to the shipped file (so its own keys still come first) and timed
# from exec to the main window shown with /UI; a crash or a start that shows
# no window within 10 s is reported as such.
# Usage: campaign/data-hostile-files.sh [build/bin]      (DISPLAY or :85)
set -euo pipefail
here=$(dirname "$0")
source "$here/../bench/virtual_display.sh"
prepare_program_folder "${1:-build/bin}"
cp "$work/orvane-wlan.bin" "$work/shipped.bin"
cp "$work/orvane-wlan.ini" "$work/shipped.ini"
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :85 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:85
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
fi

# The hostile bulk of one kind on stdout.
bulk() {
  case "$1" in
    long-line)
      python3 -c "import sys; w=sys.stdout.buffer
w.write(b'[Bulk]\r\nLong='+b'x'*(10<<20)+b'\r\n')
for i in range(40): w.write(b'Key%d='%i + b'y'*(1<<20) + b'\r\n')" ;;
    junk) head -c $((50 << 20)) /dev/urandom ;;
    sections) python3 -c "import sys; w=sys.stdout.buffer
w.write(b''.join(b'[S%d]\r\nK=%d\r\n'%(i,i) for i in range(100000)))" ;;
    no-breaks) python3 -c "import sys; sys.stdout.buffer.write(b'K=V;[X]'*((50<<20)//7))" ;;
  esac
}

timed_start() {
  local start app
  start=$(date +%s%N)
  "$work/orvane-wlan" /UI &
  app=$!
  sleep 0.05
  until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app" && echo "ended without a window" || echo "crashed (exit $?)"
      return
    fi
    if [ $((($(date +%s%N) - start) / 1000000)) -gt 10000 ]; then
      kill -9 "$app"; wait "$app" 2>/dev/null || true
      echo "no window after 10 s"; return
    fi
    sleep 0.005
  done
  echo "$((($(date +%s%N) - start) / 1000000)) ms"
  "$work/orvane-wlan" /Close
  wait "$app" || true
}

echo "baseline: $(timed_start)"
for file in bin ini; do
  for kind in long-line junk sections no-breaks; do
    cp "$work/shipped.bin" "$work/orvane-wlan.bin"
    cp "$work/shipped.ini" "$work/orvane-wlan.ini"
    { cat "$work/shipped.$file"; printf '\r\n'; bulk "$kind"; } > "$work/orvane-wlan.$file"
    # A file changed within the last two seconds is read again at each lookup,
    # so a file written just now would time that instead of the start.
    touch -d "-1 minute" "$work/orvane-wlan.$file"
    size=$(($(stat -c %s "$work/orvane-wlan.$file") >> 20))
    echo "$file $kind (${size} MB): $(timed_start)"
  done
done
