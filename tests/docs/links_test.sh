#!/usr/bin/env bash
# Every relative link and picture in README.md and docs/*.md names a file or folder that exists.
# Usage: links_test.sh [SOURCE_DIR]
set -euo pipefail
top="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
broken=0
checked=0
for doc in "$top/README.md" "$top"/docs/*.md; do
    [ -f "$doc" ] || continue
    dir="$(dirname "$doc")"
    # Inline links and pictures: [text](target) and ![text](target "title").
    while IFS= read -r target; do
        target="${target#](}"
        target="${target%)}"
        target="${target%% \"*}"
        case "$target" in *://* | mailto:* | '#'* | '') continue ;; esac
        path="${target%%#*}"
        path="${path//%20/ }"
        checked=$((checked + 1))
        [ -e "$dir/$path" ] || { echo "${doc#"$top"/}: no $target" >&2; broken=$((broken + 1)); }
    done < <(grep -oE '\]\([^)]*\)' "$doc" || true)
done
echo "$checked links, $broken broken"
[ "$broken" -eq 0 ]
