# shellcheck shell=bash
# Sourced by tools/windows/common.sh and tools/arm64/common.sh.

# lock_build_folder OUT: one run at a time uses a build folder, so that
# `make windows` and `make test-windows` (or `make arm64` and
# `make test-arm64`) in one checkout do not delete each other's output.  A
# run waits for the one before it; the lock is held until the sourcing
# script ends, and a test script's own build script runs under its lock.
lock_build_folder() {
  [ "${VELORIX_BUILD_LOCKED:-}" != "$1" ] || return 0
  mkdir -p "$1"
  exec {velorix_build_lock}>"$1/.lock"
  if ! flock -n "$velorix_build_lock"; then
    echo "Waiting for another run in $1" >&2
    flock "$velorix_build_lock"
  fi
  export VELORIX_BUILD_LOCKED=$1
}
