#!/usr/bin/env bash
# `make test-windows`: builds the Windows edition with its tests
# (tools/windows/build.sh --tests), runs every test through CTest under Wine
# on the offscreen platform, then checks the installer in a Wine prefix of
# its own, on an X server in memory, step by step: an upgrade from an older
# version, the program started, a characteristic window opened from the
# installed copy, an uninstall and an upgrade refused while it runs, the
# uninstall, and an install and uninstall for the current user.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${VELORIX_WINDOWS_BUILD:-$root/build-windows}
. "$root/tools/windows/common.sh"
lock_build_folder "$out"

if [ -z "${VELORIX_TEST_WINDOWS_XVFB:-}" ]; then
  "$root/tools/windows/build.sh" --tests
  VELORIX_TEST_WINDOWS_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$@"
fi

use_prefix
prefix=$VELORIX_MINGW_PREFIX
version=$(project_version)
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
# Now and then, on a loaded machine, Wine leaves a test program that has
# finished (its last line printed) hanging at exit until CTest's time-out; a
# test that timed out runs once more, so a hang of ours still fails twice.
ctest --output-on-failure -j "${VELORIX_JOBS:-$(nproc)}" --repeat after-timeout:2

fail() { echo "FAIL: $*" >&2; exit 1; }
step_start=
step() {
  [ -z "$step_start" ] || echo "  ($(date +%s.%N | awk -v t="$step_start" '{printf "%.1f", $1 - t}') s)"
  step_start=$(date +%s.%N)
  [ $# -eq 0 ] || echo "Installer: $*"
}
setup=$out/Velorix-$version-setup.exe
inst=$WINEPREFIX/drive_c/Program\ Files/Velorix
inst_win='C:\Program Files\Velorix'
link=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Velorix.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velorix'
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velorix'
reg_value() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
# Every file of the installed program, and the uninstaller.
expect_installed() {
  local dir=$1
  while IFS= read -r -d '' f; do
    [ -f "$dir/$f" ] || fail "$2: $f is not installed"
  done < <(cd "$out/Velorix" && find . -type f -print0)
  [ -f "$dir/Uninstall.exe" ] || fail "$2: no uninstaller"
}
# The uninstaller copies itself to %TEMP% and goes on from there.
wait_gone() {
  for _ in $(seq 120); do
    [ -e "$1" ] || return 0
    sleep 0.5
  done
  fail "left behind: $(find "$1")"
}

step "an upgrade from an older version, which shipped a file this one does not"
older=0.9.1
[ "$(printf '%s\n' "$older" "$version" | sort -V | head -n1)" = "$older" ] || fail "$version is not above $older"
rm -rf "$out/older"
cp -r "$out/Velorix" "$out/older"
echo stray >"$out/older/stray.txt"
"$root/tools/windows/installer.sh" "$out/older" "$older" "$(app_id "$out")" "$out/older-setup.exe" --store >/dev/null
"$wine" "$out/older-setup.exe" /S
[ -f "$inst/stray.txt" ] || fail "the older version did not install"
[ "$(reg_value "$key" DisplayVersion)" = "$older" ] || fail "the older version's entry does not give $older"
"$wine" "$setup" /S
[ ! -e "$inst/stray.txt" ] || fail "the upgrade left the older version's stray.txt"
[ "$(reg_value "$key" DisplayVersion)" = "$version" ] || fail "the uninstall entry does not give $version"
expect_installed "$inst" "upgrade"
[ -f "$link" ] || fail "no Start-menu shortcut"
rm -rf "$out/older" "$out/older-setup.exe"
echo "  $older replaced by $version, stray.txt gone"

step "the installed program started"
# A Russian user: the Russian edition, whose window titles are looked for.
LC_ALL=ru_RU.UTF-8 "$wine" "$inst/Velorix.exe" &
program=$!
shown=
for _ in $(seq 120); do
  if xwininfo -root -tree | grep -q '"Velorix"'; then shown=1; break; fi
  sleep 0.5
done
[ -n "$shown" ] || fail "the installed program's main window did not show"
echo "  the installed program showed its main window"

step "the characteristic window opened from the installed copy"
# By the keyboard alone, as a user reaches it: F10 enters the main window's
# menu bar, Return opens its first menu and takes its first command, the
# capacitor's reactance, and Ctrl+G asks that window for its characteristic,
# drawn by the installed velorix_plots.dll (without it a warning shows).
# Without a window manager the focus is given by hand.
wait_window() {
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -z "$id" ] || { echo "$id"; return 0; }
    sleep 0.5
  done
  return 1
}
keys() { xdotool windowfocus --sync "$1" && sleep 0.5 && xdotool key --delay 200 "${@:2}"; }
main_window=$(wait_window '^Velorix$') || fail "no main window to type into"
keys "$main_window" F10 Return Return
capacitor=$(wait_window '^Реактивное сопротивление конденсатора$') ||
  fail "the menu did not open the capacitor's reactance window"
keys "$capacitor" ctrl+g
wait_window '^Реактивное сопротивление конденсатора — характеристика$' >/dev/null ||
  fail "Ctrl+G opened no characteristic window$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null |
    sed 's/^/; shown: /' | tr -d '\n')"
echo "  the capacitor's reactance window showed its characteristic window"

step "an uninstall and an upgrade while the program runs, both refused"
# Run in place (_?=), as the installer of a later version runs it, the
# uninstaller waits and gives its exit code.  _?= takes the rest of the
# command line unquoted, which only cmd passes on as it is.
printf '%s\r\n' "@\"$inst_win\\Uninstall.exe\" /S _?=$inst_win" '@exit /b %ERRORLEVEL%' \
  >"$WINEPREFIX/drive_c/uninstall-in-place.bat"
rc=0
"$wine" cmd /c 'C:\uninstall-in-place.bat' || rc=$?
[ "$rc" -eq 2 ] || fail "the uninstaller ran while the program runs (exit code $rc)"
rc=0
"$wine" "$setup" /S || rc=$?
[ "$rc" -eq 2 ] || fail "the installer ran while the program runs (exit code $rc)"
expect_installed "$inst" "after the refusals"
[ -f "$link" ] || fail "the refused uninstall removed the Start-menu shortcut"
[ "$(reg_value "$key" DisplayVersion)" = "$version" ] || fail "the refused uninstall removed the uninstall entry"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "  both refused with exit code 2: program, shortcut and uninstall entry still there"

step "the uninstall"
"$wine" "$inst/Uninstall.exe" /S
wait_gone "$inst"
[ ! -e "$link" ] || fail "the Start-menu shortcut is left"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
# NSIS's uninstaller ran from a copy of itself in %TEMP%, which Windows
# deletes at the next restart.
"$wine" wineboot --restart
copies=$(find "$WINEPREFIX/drive_c/users" -ipath '*~nsu*.tmp/*' -type f)
[ -z "$copies" ] || fail "the uninstaller's copy is left after a restart: $copies"
echo "  uninstalled: no file, shortcut or registry entry left (nor, after a restart, the uninstaller's copy)"

step "an install and uninstall for the current user alone"
"$wine" "$setup" /S /CurrentUser
user_inst_win=$(reg_value "$user_key" InstallLocation)
[ -n "$user_inst_win" ] || fail "no uninstall entry in HKCU"
case "$user_inst_win" in *'\AppData\Local\Programs\Velorix') ;; *) fail "installed into $user_inst_win" ;; esac
user_inst=$("$wine" winepath -u "$user_inst_win" | tr -d '\r')
user_link=$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Velorix.lnk')
expect_installed "$user_inst" "for the current user"
[ -n "$user_link" ] || fail "no Start-menu shortcut of the user's"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the current user's install wrote to HKLM"; fi
[ ! -e "$inst" ] || fail "the current user's install went to Program Files"
"$wine" "$user_inst/Uninstall.exe" /S
wait_gone "$user_inst"
[ ! -e "$user_link" ] || fail "the user's Start-menu shortcut is left"
if "$wine" reg query "$user_key" >/dev/null 2>&1; then fail "the HKCU uninstall entry is left"; fi
echo "  installed into $user_inst_win and uninstalled: nothing left"
step
