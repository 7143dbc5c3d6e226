#!/usr/bin/env bash
# The README's pictures of the Windows edition: the snapshot tool built for
# Windows draws the single-supply bias window with its worked example and
# the series RC window's characteristic on the windows platform under Wine
# (Wine's GDI with font smoothing on, as Windows has it by default), into
# docs/windows-bias-one-supply.png and docs/windows-series-rc-characteristic.png.
# Needs a `make windows` tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${VELORIX_WINDOWS_BUILD:-$root/build-windows}
. "$root/tools/windows/common.sh"
lock_build_folder "$out"
use_prefix
cmake --build "$out/cmake" --target velorix_snapshot

work=$out/screenshot
rm -rf "$work"
cp -r "$out/Velorix" "$work"
cp "$out/cmake/tools/velorix_snapshot.exe" "$work/"
printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Control Panel\Desktop]' '"FontSmoothing"="2"' \
  '"FontSmoothingType"=dword:00000002' >"$work/smoothing.reg"

export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
cd "$work"
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  /usr/lib/wine/wine64 wineboot --init
  /usr/lib/wine/wine64 regedit /S smoothing.reg
  LC_ALL=ru_RU.UTF-8 /usr/lib/wine/wine64 velorix_snapshot.exe --docs pictures'
for picture in bias-one-supply series-rc-characteristic; do
  cp "$work/pictures/$picture.png" "$root/docs/windows-$picture.png"
  echo "$root/docs/windows-$picture.png"
done
