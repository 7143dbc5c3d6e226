#!/usr/bin/env bash
# Cross-builds Qt (qtbase) and libjpeg-turbo for 64-bit Windows from Debian's
# own source packages, into a cache outside the work tree, and prints the
# installed prefix.  The cache folder is keyed by the source versions, the
# host Qt version, the MinGW compiler version and a hash of this script, the
# toolchain file and the patches, so a second run finds it and returns at
# once.  A build that stops halfway leaves no prefix behind: the prefix is
# moved into place only when both libraries are installed.
#
#   VELORIX_CACHE   cache root (default ~/.cache/velorix)
#   VELORIX_JOBS    parallel build jobs (default: the number of cores)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${VELORIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velorix}
jobs=${VELORIX_JOBS:-$(nproc)}
multiarch=$(gcc -print-multiarch)

# The versions apt-get source would fetch, without fetching them.
source_version() {
  apt-get source --print-uris "$1" 2>/dev/null |
    sed -n "s/^'[^']*\/$1_\([^']*\)\.dsc'.*/\1/p" | head -n1
}
qt_version=$(source_version qt6-base)
jpeg_version=$(source_version libjpeg-turbo)
if [ -z "$qt_version" ] || [ -z "$jpeg_version" ]; then
  echo "build-deps.sh: no source packages for qt6-base/libjpeg-turbo; is the deb-src entry there?" >&2
  exit 1
fi
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
mingw=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
recipe=$(cat "$0" "$here/toolchain.cmake" "$here"/*.patch | sha256sum | cut -c1-12)
key=$(printf '%s\n' "$qt_version" "$jpeg_version" "$host_qt" "$mingw" "$recipe" |
  sha256sum | cut -c1-16)
prefix=$cache/mingw-qt-$key

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

{
  echo "Cross-building qt6-base $qt_version and libjpeg-turbo $jpeg_version into $prefix"
  work=$cache/work-$key
  rm -rf "$work" "$prefix.partial"
  mkdir -p "$work"
  cd "$work"
  apt-get source qt6-base libjpeg-turbo
  qt_src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
  jpeg_src=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  for p in "$here"/qtbase-*.patch; do
    patch -d "$qt_src" -p1 < "$p"
  done

  export VELORIX_MINGW_PREFIX=$prefix.partial
  common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake"
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix.partial")

  # libjpeg62 as Debian ships it, linked statically into the program.
  cmake -S "$jpeg_src" -B jpeg-build "${common[@]}" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF
  nice -n 19 cmake --build jpeg-build --parallel "$jobs"
  cmake --install jpeg-build

  # Qt with its bundled third-party code, Debian's moc/uic/rcc as host tools,
  # and only the modules and features the program and its tests use.
  off=(system_zlib system_pcre2 system_png system_harfbuzz system_freetype
    system_doubleconversion sql network dbus opengl vulkan printsupport
    concurrent xml zstd jpeg pkg_config androiddeployqt tabletevent direct2d dynamicgl)
  flags=()
  for f in "${off[@]}"; do flags+=(-DFEATURE_$f=OFF); done
  cmake -S "$qt_src" -B qt-build "${common[@]}" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    "${flags[@]}" -DFEATURE_testlib=ON -DFEATURE_freetype=ON
  nice -n 19 cmake --build qt-build --parallel "$jobs"
  cmake --install qt-build

  touch "$prefix.partial/.complete"
  mv "$prefix.partial" "$prefix"
  cd /
  rm -rf "$work"
} >&2
echo "$prefix"
