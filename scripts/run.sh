#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exec "${TASTRA_BUILD_DIR:-$top/build}/Tastra" "$@"
