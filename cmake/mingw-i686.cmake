# 32-bit Windows executables: the shipped launcher.
set(LAUNCHER_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
