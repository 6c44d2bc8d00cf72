# Cross-build for 64-bit Windows with Debian's mingw-w64 and run the results
# under wine:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Packages (Debian 12): g++-mingw-w64-x86-64-posix, and wine + wine64 to run.
# The -posix compilers use the winpthreads thread model, which std::thread,
# std::mutex and std::condition_variable need; the -win32 ones lack them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LOOKOUT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${LOOKOUT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOOKOUT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${LOOKOUT_MINGW_TRIPLE}-windres)

# Look for libraries and headers only in the mingw sysroot, but for programs
# (code generators, wine) only on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${LOOKOUT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config likewise: the build machine's .pc files describe Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${LOOKOUT_MINGW_TRIPLE}/lib/pkgconfig)

# Fully static executables: an .exe then needs only the DLLs Windows itself
# ships, not libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Run test programs (ctest, try_run) under wine. Debian's 64-bit loader is
# /usr/lib/wine/wine64; the `wine` wrapper also works but, without the
# 32-bit wine32:i386 package, prints a hint about it on every start
# (unless WINEDEBUG has -all).
# WINEPREFIX and WINEDEBUG are left to the caller's environment.
find_program(LOOKOUT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LOOKOUT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LOOKOUT_WINE})
endif()
