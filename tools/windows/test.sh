#!/usr/bin/env bash
# `make test-windows`: builds the Windows edition with its tests
# (tools/windows/build.sh --tests), runs every test through CTest under Wine
# on the offscreen platform, then installs the installer silently into a
# Wine prefix of its own, starts the installed program until its main window
# shows on an X server in memory, uninstalls it and checks that nothing is
# left.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${VELORIX_WINDOWS_BUILD:-$root/build-windows}

if [ -z "${VELORIX_TEST_WINDOWS_XVFB:-}" ]; then
  "$root/tools/windows/build.sh" --tests
  VELORIX_TEST_WINDOWS_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$@"
fi

prefix=$("$root/tools/windows/build-deps.sh")
version=$(sed -n 's/^project(Velorix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")

# A Wine prefix of the build's own, made afresh, so that the installer
# check starts from a clean system and nothing reaches the user's ~/.wine.
export WINEPREFIX=$out/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export WINEPATH="Z:$prefix/bin;Z:$runtime;Z:$winpthread"
# Qt's variables reach a program under Wine only as WINEQT_*.  QtTest
# writes to the debugger on Windows unless told otherwise; the offscreen
# platform takes its faces from one folder: DejaVu Sans alone, the face
# fontconfig falls back to on Linux (Tahoma comes from Wine's fonts, as
# there), since Qt offers every face of the folder as a fallback.
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR=$out/fonts
rm -rf "$WINEQT_QPA_FONTDIR"
mkdir -p "$WINEQT_QPA_FONTDIR"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
  "$WINEQT_QPA_FONTDIR/"
wine=/usr/lib/wine/wine64
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# A running wineserver saves starting one for every test.
wineserver -p
trap 'wineserver -k || true' EXIT
"$wine" wineboot --init

cd "$out/cmake"
ctest --output-on-failure -j "${VELORIX_JOBS:-$(nproc)}"

echo "Installer: install, start, uninstall"
setup=$out/Velorix-$version-setup.exe
inst=$WINEPREFIX/drive_c/Program\ Files/Velorix
link=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Velorix.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velorix'
fail() { echo "FAIL: $*" >&2; exit 1; }

"$wine" "$setup" /S
[ -f "$inst/Velorix.exe" ] || fail "Velorix.exe not installed"
[ -f "$link" ] || fail "no Start-menu shortcut"
"$wine" reg query "$key" /v DisplayVersion | grep -q "$version" || fail "no uninstall entry"

"$wine" "$inst/Velorix.exe" &
program=$!
shown=
for _ in $(seq 120); do
  if xwininfo -root -tree | grep -q '"Velorix"'; then shown=1; break; fi
  sleep 0.5
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$shown" ] || fail "the installed program's main window did not show"
echo "  the installed program showed its main window"

"$wine" "$inst/Uninstall.exe" /S
# The uninstaller copies itself to %TEMP% and goes on from there.
for _ in $(seq 120); do
  [ -e "$inst" ] || break
  sleep 0.5
done
[ ! -e "$inst" ] || fail "left behind: $(find "$inst")"
[ ! -e "$link" ] || fail "the Start-menu shortcut is left"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
# NSIS's uninstaller ran from a copy of itself in %TEMP%, which Windows
# deletes at the next restart.
"$wine" wineboot --restart
copies=$(find "$WINEPREFIX/drive_c/users" -ipath '*~nsu*.tmp/*' -type f)
[ -z "$copies" ] || fail "the uninstaller's copy is left after a restart: $copies"
echo "  uninstalled: no file, shortcut or registry entry left (nor, after a restart, the uninstaller's copy)"
