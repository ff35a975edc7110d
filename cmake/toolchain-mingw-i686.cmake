# Cross build for 32-bit Windows with Debian's mingw-w64.
# The posix thread model is the one GoogleTest builds with; every target links
# its runtimes statically, so the thread model leaves no DLL behind.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(EVDLG_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${EVDLG_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EVDLG_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${EVDLG_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${EVDLG_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
