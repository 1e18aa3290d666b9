#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
cd "${TASTRA_BUILD_DIR:-$top/build}"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 600 -j 2 "$@"
