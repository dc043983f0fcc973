# Cross build for 32-bit Windows with mingw-w64. This machine cannot run
# 32-bit programs (its kernel has no 32-bit support, and Wine's 32-bit part
# must not be installed), so there is no emulator: the programs are built,
# and only the checks that read them on the build machine run.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
