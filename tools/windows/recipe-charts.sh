#!/usr/bin/env bash
# Qt Charts for 64-bit Windows, on top of a finished qtbase prefix
# (recipe.sh's), as a cached step of its own: build-deps.sh copies that
# prefix and installs Qt Charts into the copy, so that a change here never
# rebuilds qtbase.  This file, toolchain.cmake and the qtbase prefix's key
# are hashed into this step's key, with the source package's version.
#
#   recipe-charts.sh --sources                  the source package it builds
#   recipe-charts.sh DEST BASE PACKAGE=VERSION  copies BASE to DEST, fetches
#                                               that version, builds it
#                                               against DEST and installs it
#                                               there
#
# Debian's source package when the mirror serves its archives; otherwise the
# upstream archive of the same version from the folder VELORIX_SOURCES names,
# checked against the sha256 below before it is unpacked.
#
#   VELORIX_SOURCES  a folder of upstream archives (optional)
#   VELORIX_JOBS     parallel build jobs (default: the number of cores)
set -euo pipefail
if [ "${1:-}" = --sources ]; then
  echo qt6-charts
  exit 0
fi
here=$(cd "$(dirname "$0")" && pwd)
dest=$1
base=$2
package=${3%%=*}
version=${3#*=}
jobs=${VELORIX_JOBS:-$(nproc)}

# Upstream archives this recipe accepts, by upstream version: Qt Charts'
# release archive, tag v6.4.2 of qt/qtcharts (the version of Debian 12's
# qt6-charts 6.4.2-3).
declare -A upstream_sha256=(
  [6.4.2]=7a21da06f6378432722856eafd5efd24f84db9b25159eb7a99b66ba6d0cfdc81
)

cp -a "$base/." "$dest/"
rm -f "$dest/.complete"

if apt-get source "$package=$version"; then
  src=$(find . -maxdepth 1 -type d -name "$package-*" -print -quit)
else
  upstream=${version#*:}
  upstream=${upstream%-*}
  archive=qtcharts-everywhere-src-$upstream.tar.xz
  sha=${upstream_sha256[$upstream]:-}
  if [ -z "${VELORIX_SOURCES:-}" ] || [ ! -f "$VELORIX_SOURCES/$archive" ]; then
    echo "recipe-charts.sh: the mirror serves no archives of $package $version, and no" \
      "$archive is in VELORIX_SOURCES (${VELORIX_SOURCES:-unset})" >&2
    exit 1
  fi
  if [ -z "$sha" ]; then
    echo "recipe-charts.sh: no sha256 known for $archive; add it to this recipe" >&2
    exit 1
  fi
  echo "$sha  $VELORIX_SOURCES/$archive" | sha256sum -c --quiet - || {
    echo "recipe-charts.sh: $VELORIX_SOURCES/$archive is not the archive of Qt Charts $upstream" >&2
    exit 1
  }
  echo "Using $VELORIX_SOURCES/$archive (the mirror serves no archives of $package $version)" >&2
  tar -xJf "$VELORIX_SOURCES/$archive"
  src=qtcharts-everywhere-src-$upstream
fi

# Only the library: no QML plugin (the prefix has no Qt Qml), examples or
# tests.  OpenGL is off in the qtbase prefix, so Qt Charts builds without its
# OpenGL drawing.
export VELORIX_MINGW_PREFIX=$dest
cmake -S "$src" -B charts-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dest" -DCMAKE_PREFIX_PATH="$dest" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Qml=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Quick=ON
nice -n 19 cmake --build charts-build --parallel "$jobs"
cmake --install charts-build
