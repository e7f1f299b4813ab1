# The Windows program for x86-64, for machines whose Wine runs 64-bit programs only.
set(QUINTREL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
