# Cross build for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
# The programs are linked statically, libgcc and libstdc++ included, so they
# need no DLL beyond those that Windows itself provides.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(DRILL_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_CXX_COMPILER ${DRILL_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${DRILL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DRILL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
