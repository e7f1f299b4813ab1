# The Windows program as it ships: a 32-bit console executable.
set(QUINTREL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
