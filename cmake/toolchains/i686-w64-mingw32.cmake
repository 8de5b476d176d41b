# 32-bit Windows: i686-w64-mingw32.
set(VORPEX_MINGW_ARCH i686)
set(VORPEX_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
