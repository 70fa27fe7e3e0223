# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-thread flavour,
# which has std::thread and friends). scripts/test-windows.sh uses it:
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VARNAK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNAK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNAK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNAK_MINGW_TRIPLET}-windres)

# Libraries and headers only from the target's tree, never the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${VARNAK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The same for pkg-config: Debian packages no libdeflate for mingw, and the build
# machine's must not be taken for one; the loader then inflates with zlib alone.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${VARNAK_MINGW_TRIPLET}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Every program one .exe that runs without the compiler's DLLs or zlib1.dll.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

# ctest runs the programs under Wine. Debian 12's wine64 has its loader here; the
# `wine` package adds a launcher on the PATH.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(VARNAK_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  if(VARNAK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNAK_WINE})
  endif()
endif()
