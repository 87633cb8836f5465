# 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix).
# The posix thread model: the win32 one of GCC 12 has no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVOLA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVOLA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVOLA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVOLA_MINGW_PREFIX}-windres)

# Libraries built for Windows by the project's scripts (e.g. libxml2) live in
# prefixes of their own, searched like the MinGW sysroot.
set(TARVOLA_WINDOWS_PREFIXES "" CACHE STRING "Extra prefixes with libraries built for Windows")
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TARVOLA_MINGW_PREFIX} ${TARVOLA_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the executables run without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows executables under Wine.
find_program(TARVOLA_WINE wine)
if(TARVOLA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVOLA_WINE})
endif()
