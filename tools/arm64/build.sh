#!/usr/bin/env bash
# The arm64 Linux edition, cross-built with g++-aarch64-linux-gnu against
# Debian's arm64 packages (sysroot.sh): build-arm64/ and its Debian package,
# build-arm64/velorix_VERSION_arm64.deb.
#   VELORIX_ARM64_BUILD  build folder (default build-arm64)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${VELORIX_ARM64_BUILD:-$top/build-arm64}
# shellcheck source=common.sh
. "$here/common.sh"
"$top/tools/install-deps.sh" arm64
lock_build_folder "$out"
use_sysroot
cmake -S "$top" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DVELORIX_ARM64_SYSROOT="$VELORIX_ARM64_SYSROOT" \
  ${VELORIX_ARM64_CMAKE_ARGS:-}
cmake --build "$out" --parallel 2
[ "${1:-}" = --no-package ] || cmake --build "$out" --target package
