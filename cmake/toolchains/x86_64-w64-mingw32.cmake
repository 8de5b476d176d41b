# 64-bit Windows: x86_64-w64-mingw32.
set(VORPEX_MINGW_ARCH x86_64)
set(VORPEX_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
