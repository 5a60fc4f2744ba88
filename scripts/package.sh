#!/usr/bin/env bash
# Builds the two Debian packages (the utility and the simulated adapter) in
# build/package and checks them and their desktop files:
#   scripts/package.sh            then: apt-get install ./build/package/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/install-deps.sh"

# BUILD_DIR=build reuses the default preset's build folder (and its objects).
out=${BUILD_DIR:-build/package}
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$out" -j"${JOBS:-2}" --target orv_packaged
rm -f "$out"/*.deb
(cd "$out" && cpack -G DEB)

desktop-file-validate resources/desktop/*.desktop
appstreamcli validate --no-net "$out/package-docs/org.orvane.WlanUtility.metainfo.xml"
# Errors fail the script; warnings are printed for a person to read.
lintian --fail-on error --no-tag-display-limit "$out"/*.deb
ls -l "$out"/*.deb
