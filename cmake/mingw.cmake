# Cross toolchain: Windows executables from Debian's MinGW-w64, for the
# processor LAUNCHER_MINGW_ARCH (i686 or x86_64) that the including
# toolchain file sets.  The posix thread model gives std::mutex, which
# GoogleTest needs; with -static its runtime is linked in, so executables
# import system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${LAUNCHER_MINGW_ARCH})

set(CMAKE_C_COMPILER   ${LAUNCHER_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${LAUNCHER_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  ${LAUNCHER_MINGW_ARCH}-w64-mingw32-windres)
# The resource script is UTF-8.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

set(CMAKE_FIND_ROOT_PATH /usr/${LAUNCHER_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
