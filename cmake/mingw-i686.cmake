# The shipped build: pochira.exe, a PE32 GUI program for 32-bit Windows.
set(POCHIRA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
