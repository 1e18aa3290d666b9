#!/usr/bin/env bash
# Installs what is missing, builds and makes the Debian package in the build folder; prints the
# package's file name.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
ls "$build"/tastra_*.deb
