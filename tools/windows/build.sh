#!/usr/bin/env bash
# Builds the Windows edition under build-windows/ (VELORIX_WINDOWS_BUILD):
#   cmake/                      the CMake tree, MinGW-w64 against the cross-built Qt
#   Velorix/                    the portable folder: Velorix.exe, the Qt and
#                               MinGW runtime DLLs, the platform and style
#                               plugins, Qt's Russian texts and qt.conf
#   Velorix-V-windows-x64.zip   that folder, zipped
#   Velorix-V-setup.exe         the installer (NSIS)
#
#   build.sh          the program, the folder, the zip and the installer
#   build.sh --tests  the same, and every test program
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${VELORIX_WINDOWS_BUILD:-$root/build-windows}
jobs=${VELORIX_JOBS:-$(nproc)}
targets=(--target velorix)
[ "${1:-}" = --tests ] && targets=()

"$root/tools/install-deps.sh" windows
prefix=$("$root/tools/windows/build-deps.sh")
export VELORIX_MINGW_PREFIX=$prefix

cmake -S "$root" -B "$out/cmake" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_PREFIX_PATH="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake"
cmake --build "$out/cmake" --parallel "$jobs" "${targets[@]}"

version=$(sed -n 's/^project(Velorix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
mingw=x86_64-w64-mingw32

# The portable folder.  Qt finds its plugins beside the program and its
# translations through qt.conf.
dist=$out/Velorix
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/styles" "$dist/translations"
cp "$out/cmake/src/shell/Velorix.exe" "$prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$dist/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  cp "$("$mingw-g++-posix" -print-file-name="$dll")" "$dist/"
done
cp "$prefix/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$dist/styles/"
cp /usr/share/qt6/translations/qtbase_ru.qm "$dist/translations/"
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' >"$dist/qt.conf"
find "$dist" -name '*.exe' -o -name '*.dll' | xargs "$mingw-strip" --strip-unneeded

zip=$out/Velorix-$version-windows-x64.zip
rm -f "$zip"
(cd "$out" && cmake -E tar cf "$zip" --format=zip Velorix)

# The installer lists every file it installs, so that the uninstaller
# removes exactly those and then the folders it made, if empty.
nsis=$out/nsis
mkdir -p "$nsis"
(
  cd "$dist"
  find . -type d | sort | while read -r d; do
    w=${d#.}; w=${w//\//\\}
    echo "SetOutPath \"\$INSTDIR$w\""
    find "$d" -maxdepth 1 -type f | sort | while read -r f; do
      echo "File \"$dist/${f#./}\""
    done
  done >"$nsis/install.nsh"
  find . -type f | sort | while read -r f; do
    f=${f#./}; echo "Delete \"\$INSTDIR\\${f//\//\\}\""
  done >"$nsis/uninstall.nsh"
  find . -mindepth 1 -type d | sort -r | while read -r d; do
    d=${d#./}; echo "RMDir \"\$INSTDIR\\${d//\//\\}\""
  done >>"$nsis/uninstall.nsh"
)
installer=$out/Velorix-$version-setup.exe
makensis -V2 -DVERSION="$version" -DOUTFILE="$installer" -DFILES="$nsis" \
  -DICON="$root/assets/icon.ico" -DLICENSE="$root/LICENSE" "$root/tools/windows/velorix.nsi"

echo "Windows edition: $dist"
echo "  $(du -h "$zip" | cut -f1)  $zip"
echo "  $(du -h "$installer" | cut -f1)  $installer"
