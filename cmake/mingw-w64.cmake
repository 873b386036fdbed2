# Cross-building for Windows x86-64 with mingw-w64 (posix threads variant):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs are linked statically, so that they need no DLL beyond those
# Windows ships, and use the Unicode ("W") calls of the Windows API. Programs
# built here run on this machine through wine (tests, recorded sessions).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LADDERPAD_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LADDERPAD_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LADDERPAD_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LADDERPAD_MINGW_PREFIX}-windres)
set(CMAKE_AR ${LADDERPAD_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${LADDERPAD_MINGW_PREFIX}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${LADDERPAD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine runs what is built here: the wine launcher (package wine), else the
# 64-bit loader itself.
find_program(LADDERPAD_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LADDERPAD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LADDERPAD_WINE})
endif()
