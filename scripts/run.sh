#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Only the program is built, with
# what it reads at run time (help pages, patch scripts, key maps and translations, placed beside
# it by its own target); scripts/test.sh builds the tests and benchmarks as well.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" Tastra
exec "${TASTRA_BUILD_DIR:-$top/build}/Tastra" "$@"
