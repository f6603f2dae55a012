# Debian's mingw-w64 cross compiler (gcc, posix threads) for Windows x86_64, the one the Qt for
# Windows archive was built with. Headers and libraries come from the Windows side only; the
# programs the build runs (moc, rcc) are this machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(quorvane_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${quorvane_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quorvane_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${quorvane_mingw}-windres)
set(CMAKE_AR /usr/bin/${quorvane_mingw}-ar)
set(CMAKE_RANLIB /usr/bin/${quorvane_mingw}-ranlib)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${quorvane_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
