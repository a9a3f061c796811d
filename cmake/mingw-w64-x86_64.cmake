# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX
# threads flavour, which C++ threads and GoogleTest need). Programs are
# linked statically, so they run under Wine or on Windows without any
# compiler DLLs next to them; ctest runs them through wine64.
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DRUVEX_CORE_ONLY=ON

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RUVEX_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RUVEX_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RUVEX_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${RUVEX_MINGW_TARGET}-windres)

# Libraries, headers and packages come from the target's tree (and from
# whatever prefix the caller adds to CMAKE_FIND_ROOT_PATH, such as a
# GoogleTest built for Windows); programs run on this machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${RUVEX_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian keeps wine64 outside PATH.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(RUVEX_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(RUVEX_WINE64)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${RUVEX_WINE64})
    endif()
endif()
