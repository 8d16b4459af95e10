# Cross-builds the Windows (x86-64) program and its tests on Debian with
# mingw-w64, and runs the tests under Wine: the win32 preset
# (CMakePresets.json), `cmake --preset win32`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVANEL_MINGW_PREFIX x86_64-w64-mingw32)
# The posix flavour of the compiler: its libstdc++ has std::thread and
# std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${KORVANEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVANEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVANEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libgcc, libstdc++ or winpthread DLL to carry
# along (or to find in Wine's path).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the .exe tests through Wine.
find_program(KORVANEL_WINE NAMES wine wine64 wine-stable)
if(KORVANEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVANEL_WINE})
endif()
