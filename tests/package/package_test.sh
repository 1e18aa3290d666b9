#!/usr/bin/env bash
# Builds the Debian package from the build folder given as $1, unpacks it into a temporary root
# and checks the installed program and files there: options, start-up from the installed data
# folder, the desktop entry (with the keys session managers read), the metainfo, the manual page
# and the icons.
set -uo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
check() {  # check "what" command...: runs the command, fails with its output when it fails
    local what="$1" out
    shift
    if out="$("$@" 2>&1)"; then echo "ok: $what"; else fail "$what"$'\n'"$out"; fi
}

if ! cpack -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
deb="$(ls "$work"/pkg/tastra_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for want in libqt6widgets6 libfluidsynth librtmidi libjack libasound2 libsdl2 libxi6 liblo7 libxkbcommon-x11 timgm6mb-soundfont; do
    [[ "$depends" == *"$want"* ]] || fail "Depends lacks $want: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for want in qt6-translations-l10n qt6-wayland; do
    [[ "$recommends" == *"$want"* ]] || fail "Recommends lacks $want: $recommends"
done

root="$(realpath "$work")/root"
dpkg -x "$deb" "$root"
bin="$root/usr/bin"
share="$root/usr/share"
[ -x "$bin/Tastra" ] && [ "$(readlink "$bin/tastra")" = "Tastra" ] ||
    fail "bin/Tastra with the link bin/tastra -> Tastra"
for f in tastra/default_patchscript.txt tastra/help/help.html applications/tastra.desktop \
         icons/hicolor/scalable/apps/tastra.svg man/man1/tastra.1.gz \
         tastra/keymaps/two-rows.ini tastra/keymaps/accordion.ini tastra/keymaps/laptop.ini; do
    [ -f "$share/$f" ] || fail "missing $f"
done
ls "$share/tastra/Patch Sets/"*.txt > /dev/null 2>&1 || fail "no patch scripts in Patch Sets"
for size in 16 22 24 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/tastra.png" | grep -q "PNG image data, $size x $size" ||
        fail "icon ${size}x${size}"
done

# --help, --version and bad options answer without a display and never touch the settings.
quiet_env=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/untouched")
version="$("${quiet_env[@]}" "$bin/tastra" --version)" || fail "--version exit status"
metainfo="$(ls "$share"/metainfo/*.metainfo.xml)"
release="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
[ "$version" = "Tastra $release" ] || fail "--version says '$version', newest release is $release"
zcat "$share/man/man1/tastra.1.gz" | grep -q "^\.TH TASTRA 1 .*\"Tastra $release\"" ||
    fail "manual page version"
"${quiet_env[@]}" "$bin/tastra" --help | grep -q -- "--midi-out <name>" || fail "--help"
"${quiet_env[@]}" "$bin/Tastra" --no-such-option > "$work/out" 2> "$work/err"
status=$?
[ $status -eq 2 ] && [ ! -s "$work/out" ] && grep -q "no-such-option" "$work/err" ||
    fail "unknown option: status $status, stderr: $(cat "$work/err")"
[ -e "$work/untouched" ] && fail "--help/--version/bad options created the settings folder"

# Started without options, the program reads the default patch script from the installed data
# folder. The patch logging names each loaded script.
run_until() {  # run_until PATTERN: starts the program and waits for PATTERN on its stderr
    : > "$work/stderr"
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen JACK_NO_START_SERVER=1 \
        QT_LOGGING_RULES="tastra.patches.info=true" "$bin/tastra" 2> "$work/stderr" &
    pid=$!
    local found=1
    for _ in $(seq 1 300); do
        if grep -qF "$1" "$work/stderr"; then found=0; break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
    return $found
}
run_until "Loaded patch script $share/tastra/default_patchscript.txt" ||
    fail "no load of the installed default patch script; stderr:"$'\n'"$(cat "$work/stderr")"
mv "$share/tastra" "$share/tastra.gone"
run_until "data folder of Tastra was not found" ||
    fail "no message about the missing data folder; stderr:"$'\n'"$(cat "$work/stderr")"
mv "$share/tastra.gone" "$share/tastra"

check "desktop entry" desktop-file-validate "$share/applications/tastra.desktop"
# Session managers offer the program by these keys and start it by the command named there.
grep -qx "X-NSM-Capable=true" "$share/applications/tastra.desktop" &&
    [ "$(grep -x "X-NSM-Exec=.*" "$share/applications/tastra.desktop" | cut -d= -f2)" = tastra ] &&
    [ -x "$bin/tastra" ] || fail "desktop entry lacks the session manager's keys"
check "metainfo" appstreamcli validate --no-net "$metainfo"
groff_warnings="$(zcat "$share/man/man1/tastra.1.gz" | groff -man -ww -z 2>&1)"
[ -z "$groff_warnings" ] && echo "ok: manual page" || fail "manual page: $groff_warnings"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package checks passed"
