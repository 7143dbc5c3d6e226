# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which Qt 6 needs).  Programs built with it run here under Wine's 64-bit
# loader, which CTest uses as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(VELORIX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELORIX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELORIX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELORIX_MINGW}-windres)

# Libraries, headers and packages only from the MinGW root and the
# cross-built Qt/libjpeg prefix (passed in VELORIX_MINGW_PREFIX); programs
# (moc, uic, rcc) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VELORIX_MINGW})
if(DEFINED ENV{VELORIX_MINGW_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VELORIX_MINGW_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
