# Cross build for 64-bit Windows with the posix-thread MinGW-w64 compilers: the same sources as the
# 32-bit program, for machines whose Wine runs only 64-bit programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${CMAKE_CURRENT_LIST_DIR}/../tools/windres-strict.sh)
# The wrapper picks the resource compiler of the target the flag names.
set(CMAKE_RC_FLAGS_INIT "--target=pe-x86-64")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
