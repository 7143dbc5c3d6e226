# shellcheck shell=bash
# Sourced by build.sh, test.sh and screenshot.sh.

# lock_build_folder OUT: one run at a time uses a build folder.
. "$(dirname "${BASH_SOURCE[0]}")/../build-lock.sh"

# use_prefix: the cross-built prefix (build-deps.sh, which builds it first
# when needed) in VELORIX_MINGW_PREFIX, with a shared lock on its key held
# until the sourcing script ends, so that no other run prunes it meanwhile.
use_prefix() {
  VELORIX_MINGW_PREFIX=$("$(dirname "${BASH_SOURCE[0]}")/build-deps.sh")
  export VELORIX_MINGW_PREFIX
  exec {velorix_prefix_lock}<"$VELORIX_MINGW_PREFIX.lock"
  flock -s "$velorix_prefix_lock"
}

# The version, from project() in CMakeLists.txt: the one source of it.
project_version() {
  sed -n 's/^project(Velorix VERSION \([0-9.]*\).*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt"
}

# The application id, which names the program's running mutexes, as the
# build tree OUT/cmake has it.
app_id() {
  sed -n 's/^VELORIX_APP_ID:[A-Z]*=//p' "$1/cmake/CMakeCache.txt"
}
