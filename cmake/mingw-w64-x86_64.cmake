# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix thread model, so that
# std::thread and the C++ runtime's locks work as Qt expects).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTRAVON_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRAVON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRAVON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRAVON_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW tree only, never from the build machine;
# programs (the host's moc, rcc, uic) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KESTRAVON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
