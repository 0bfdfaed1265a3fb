# The same sources as a 64-bit Windows program, for machines whose Wine can run only 64-bit code.
set(POCHIRA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
