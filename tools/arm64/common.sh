# shellcheck shell=bash
# Sourced by build.sh and test.sh.

# use_sysroot: the arm64 root (sysroot.sh, which unpacks it first when
# needed) in VELORIX_ARM64_SYSROOT, with a shared lock on its key held until
# the sourcing script ends, so that no other run prunes it meanwhile.
use_sysroot() {
  VELORIX_ARM64_SYSROOT=$("$(dirname "${BASH_SOURCE[0]}")/sysroot.sh")
  export VELORIX_ARM64_SYSROOT
  exec {velorix_sysroot_lock}<"$VELORIX_ARM64_SYSROOT.lock"
  flock -s "$velorix_sysroot_lock"
  # The programs run by the build and by CTest: libraries from the root,
  # Qt's plugins from it too.
  export QEMU_LD_PREFIX=$VELORIX_ARM64_SYSROOT
  export QT_PLUGIN_PATH=$VELORIX_ARM64_SYSROOT/usr/lib/aarch64-linux-gnu/qt6/plugins
  # Debian's tools (dpkg-shlibdeps, dpkg-architecture) for arm64 and the
  # root's package database.
  export DEB_HOST_ARCH=arm64 DEB_HOST_MULTIARCH=aarch64-linux-gnu
  export DPKG_ADMINDIR=$VELORIX_ARM64_SYSROOT/var/lib/dpkg
}

# lock_build_folder OUT: one run at a time uses a build folder.
. "$(dirname "${BASH_SOURCE[0]}")/../build-lock.sh"
