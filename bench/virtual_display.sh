# Sourced by the benchmarks: starts a virtual display of their own and exports
# DISPLAY. The caller stops it with stop_virtual_display.
start_virtual_display() {
  local number tries
  for tries in $(seq 20); do
    # A random high number keeps clear of desktops and of other virtual
    # displays that come and go on the same machine.
    number=$((200 + RANDOM % 700))
    [ -e "/tmp/.X${number}-lock" ] && continue
    # -noreset: otherwise the server resets whenever its last client leaves
    # (the readiness probe below is one), and a client that connects during
    # that reset can fail to connect.
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    virtual_display_pid=$!
    for _ in $(seq 100); do
      kill -0 "$virtual_display_pid" 2>/dev/null || break
      if xdpyinfo -display ":$number" >/dev/null 2>&1; then
        export DISPLAY=":$number"
        return 0
      fi
      sleep 0.05
    done
    stop_virtual_display
  done
  echo "no virtual display could be started" >&2
  return 1
}

stop_virtual_display() {
  if [ -n "${virtual_display_pid:-}" ]; then
    kill "$virtual_display_pid" 2>/dev/null || true
    wait "$virtual_display_pid" 2>/dev/null || true
    virtual_display_pid=
  fi
}

# The utility's program folder copied to a scratch folder of the benchmark's
# own, with its own runtime and simulator homes: sets bin, title and work.
prepare_program_folder() {
  bin=$(realpath "$1")
  if [ ! -x "$bin/orvane-wlan" ]; then
    echo "no orvane-wlan in $1: give the build's bin folder" >&2
    return 1
  fi
  title=$(sed -n 's/^AppTitle=\(.*\)\r\?$/\1/p' "$bin/orvane-wlan.ini" | tr -d '\r')
  title=${title:-orvane-wlan}
  work=$(mktemp -d)
  cp "$bin"/orvane-wlan "$bin"/ORVWL.DLL "$bin"/orvane-wlan.bin "$bin"/orvane-wlan.ini "$work"/
  mkdir -m 700 "$work/run"
  export XDG_RUNTIME_DIR="$work/run" ORVWL_SIM_HOME="$work/sim"
}
