# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. The -posix
# compilers: the -win32 ones have no std::thread or std::mutex in GCC 12.
#   cmake -G Ninja -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers come from the MinGW sysroot only; programs run
# during the build (generators, Python) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs (ctest, GoogleTest's discovery) run under Wine, in a prefix
# of the build tree's own, quietly, and without the prompts to install Mono
# or Gecko that would wait for a click that never comes.
find_program(VASCULON_WINE wine)
if(VASCULON_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
        ${VASCULON_WINE})
endif()

# The program links libstdc++ in statically: each function and datum in a
# section of its own lets the linker leave out what nothing calls, and the
# Release build is optimised for size, which costs its frames nothing
# measurable (they wait on the timer, not on the processor).
# (CMake adds its -O3 after a _RELEASE_INIT: the cached value is set here,
# and a build folder configured before keeps its own until made afresh.)
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags for a Release build")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
# A Release program is linked stripped, as it ships in the installer and the
# .zip: the static libraries' debugging sections would add 0.7 MB.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-s" CACHE STRING "Linker flags for a Release build")
