# Shared by the two mingw-w64 toolchain files, which set VORPEX_MINGW_ARCH
# (x86_64 or i686) and VORPEX_WINE_LOADER first.
# Cross-builds for Windows with Debian's mingw-w64 (the posix thread
# model, so that std::thread and std::mutex exist); test programs run under
# Wine through the emulator setting, which CTest and GoogleTest's discovery use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VORPEX_MINGW_ARCH})
set(CMAKE_C_COMPILER ${VORPEX_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORPEX_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VORPEX_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORPEX_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Programs carry their C++ runtime, so Wine needs no MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed;
# the loader of this word size is named directly.
find_program(VORPEX_WINE NAMES ${VORPEX_WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(VORPEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VORPEX_WINE})
endif()
