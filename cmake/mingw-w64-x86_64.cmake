# Cross-compiling for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(votrana_mingw x86_64-w64-mingw32)
# GCC 12's default win32 thread model has no std::thread or std::mutex; the posix one has both.
if(EXISTS /usr/bin/${votrana_mingw}-g++-posix)
    set(votrana_mingw_variant -posix)
else()
    set(votrana_mingw_variant "")
endif()
set(CMAKE_C_COMPILER ${votrana_mingw}-gcc${votrana_mingw_variant})
set(CMAKE_CXX_COMPILER ${votrana_mingw}-g++${votrana_mingw_variant})
set(CMAKE_RC_COMPILER ${votrana_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${votrana_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The program must run from a bare folder: no libgcc, libstdc++ or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
