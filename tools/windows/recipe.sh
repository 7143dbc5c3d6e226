#!/usr/bin/env bash
# What goes into the cross-built prefix: Qt (qtbase) and libjpeg-turbo for
# 64-bit Windows, from Debian's own source packages.  build-deps.sh runs it
# in an empty work folder when the cache has no prefix for it.  This file,
# toolchain.cmake and the patches are hashed into the cache key, with the
# versions of the source packages; the locking, the package lists and the
# pruning around it (build-deps.sh) are not, so changing those rebuilds
# nothing.
#
#   recipe.sh --sources               the source packages it builds
#   recipe.sh DEST PACKAGE=VERSION... fetches exactly those versions, builds
#                                     them and installs them into DEST
#
#   VELORIX_JOBS   parallel build jobs (default: the number of cores)
set -euo pipefail
if [ "${1:-}" = --sources ]; then
  echo qt6-base libjpeg-turbo
  exit 0
fi
here=$(cd "$(dirname "$0")" && pwd)
dest=$1
shift
jobs=${VELORIX_JOBS:-$(nproc)}

apt-get source "$@"
qt_src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' -print -quit)
jpeg_src=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' -print -quit)
for p in "$here"/qtbase-*.patch; do
  patch -d "$qt_src" -p1 <"$p"
done

export VELORIX_MINGW_PREFIX=$dest
common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake"
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dest")

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
for f in "${off[@]}"; do flags+=("-DFEATURE_$f=OFF"); done
cmake -S "$qt_src" -B qt-build "${common[@]}" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "${flags[@]}" -DFEATURE_testlib=ON -DFEATURE_freetype=ON
nice -n 19 cmake --build qt-build --parallel "$jobs"
cmake --install qt-build
