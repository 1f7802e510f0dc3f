# 64-bit Windows executables of the same sources, for running the tests
# where the machine cannot run 32-bit code.
set(LAUNCHER_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
