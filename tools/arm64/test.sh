#!/usr/bin/env bash
# Builds the arm64 edition (build.sh) and runs every test under
# qemu-aarch64-static, the emulator CTest prepends (toolchain.cmake).
# tst_random_use runs a smaller count there (VELORIX_RANDOM_USE_ROUNDS).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${VELORIX_ARM64_BUILD:-$top/build-arm64}
# shellcheck source=common.sh
. "$here/common.sh"
lock_build_folder "$out"
"$here/build.sh" --no-package
use_sysroot
cd "$out"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 "$@"
