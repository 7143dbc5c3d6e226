# Cross-compiling for arm64 Linux with Debian's g++-aarch64-linux-gnu, its own
# C library and C++ headers, against the arm64 packages unpacked into the
# root that tools/arm64/sysroot.sh prints (passed in VELORIX_ARM64_SYSROOT).
# moc, uic and rcc are the host's; programs run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(VELORIX_ARM64_SYSROOT "$ENV{VELORIX_ARM64_SYSROOT}" CACHE PATH "the arm64 packages' root")
list(APPEND CMAKE_FIND_ROOT_PATH ${VELORIX_ARM64_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The root's headers after the compiler's own (gmp.h and jconfig.h are per
# architecture), and its libraries for what the linked ones need in turn.
set(lib ${VELORIX_ARM64_SYSROOT}/usr/lib/aarch64-linux-gnu)
set(CMAKE_CXX_FLAGS_INIT "-idirafter ${VELORIX_ARM64_SYSROOT}/usr/include/aarch64-linux-gnu")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,-rpath-link,${lib}:${VELORIX_ARM64_SYSROOT}/lib/aarch64-linux-gnu")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

# qemu-user finds the loader and the libraries in the root; Qt's plugins are
# given by QT_PLUGIN_PATH (tools/arm64/test.sh), since qemu does not remap
# the faccessat that Qt looks for them with.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L ${VELORIX_ARM64_SYSROOT})
