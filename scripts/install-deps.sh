#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the virtual display
# need, and only those that are missing. "install-deps.sh bench" adds what the
# start-up comparison runs beside the utility.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev libx11-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils pkg-config libqrencode-dev libssl-dev
          zbar-tools at-spi2-core python3-pyatspi dbus-daemon lintian desktop-file-utils appstream)
[ "${1:-}" = bench ] && packages+=(wpagui)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
