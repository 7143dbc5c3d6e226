#!/usr/bin/env bash
# Builds the Windows edition under build-windows/ (VELORIX_WINDOWS_BUILD):
#   cmake/                      the CMake tree, MinGW-w64 against the cross-built Qt
#   Velorix/                    the portable folder: Velorix.exe, the
#                               characteristic windows' module
#                               velorix_plots.dll, the Qt and MinGW runtime
#                               DLLs they need, the platform and style
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

. "$root/tools/windows/common.sh"
lock_build_folder "$out"
"$root/tools/install-deps.sh" windows
use_prefix
prefix=$VELORIX_MINGW_PREFIX

cmake -S "$root" -B "$out/cmake" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_PREFIX_PATH="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake"
cmake --build "$out/cmake" --parallel "$jobs" "${targets[@]}"

version=$(project_version)
mingw=x86_64-w64-mingw32

# The portable folder.  Qt finds its plugins beside the program and its
# translations through qt.conf.
dist=$out/Velorix
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/styles" "$dist/translations"
cp "$out/cmake/src/shell/Velorix.exe" "$dist/"
cp "$prefix/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$dist/styles/"
cp /usr/share/qt6/translations/qtbase_ru.qm "$dist/translations/"
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' >"$dist/qt.conf"

# The characteristic windows' module, which the program loads from beside
# itself on first use: the program itself imports no Qt Charts DLL.
[ -f "$out/cmake/src/shell/velorix_plots.dll" ] || {
  echo "build.sh: no velorix_plots.dll: the prefix $prefix has no Qt Charts" >&2
  exit 1
}
if "$mingw-objdump" -p "$out/cmake/src/shell/Velorix.exe" | grep -q 'DLL Name: Qt6Charts'; then
  echo "build.sh: Velorix.exe imports Qt Charts, which only velorix_plots.dll may" >&2
  exit 1
fi
cp "$out/cmake/src/shell/velorix_plots.dll" "$dist/"
pending=("$dist/Velorix.exe" "$dist/velorix_plots.dll" "$dist/platforms/qwindows.dll"
  "$dist/styles/qwindowsvistastyle.dll")

# The DLLs that the program, its module and the plugins import, and those
# they import in turn, from the prefix and MinGW's runtime: Qt's modules
# (Qt6Charts.dll for the module) and libstdc++, libgcc and winpthread.  Windows' own DLLs are found in none of
# these.
search=("$prefix/bin"
  "$(dirname "$("$mingw-g++-posix" -print-file-name=libstdc++-6.dll)")"
  "$(dirname "$(readlink -f "$("$mingw-g++-posix" -print-file-name=libwinpthread-1.dll)")")")
while [ ${#pending[@]} -gt 0 ]; do
  pe=${pending[0]}
  pending=("${pending[@]:1}")
  while IFS= read -r dll; do
    [ ! -e "$dist/$dll" ] || continue
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$dist/"
        pending+=("$dist/$dll")
        break
      fi
    done
  done < <("$mingw-objdump" -p "$pe" | sed -n 's/^\tDLL Name: //p')
done
find "$dist" \( -name '*.exe' -o -name '*.dll' \) -print0 | xargs -0 "$mingw-strip" --strip-unneeded

zip=$out/Velorix-$version-windows-x64.zip
rm -f "$zip"
(cd "$out" && cmake -E tar cf "$zip" --format=zip Velorix)

installer=$out/Velorix-$version-setup.exe
"$root/tools/windows/installer.sh" "$dist" "$version" "$(app_id "$out")" "$installer"

echo "Windows edition: $dist"
echo "  $(du -h "$zip" | cut -f1)  $zip"
echo "  $(du -h "$installer" | cut -f1)  $installer"
