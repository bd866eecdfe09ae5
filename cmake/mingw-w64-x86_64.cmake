# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads) against a Qt for
# Windows. The Qt's folder comes as REZAR_WINDOWS_QT (cache or environment); tools/windows.sh
# passes it. Host programs (moc, rcc, uic) are the host's Qt 6 of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(REZAR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${REZAR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${REZAR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${REZAR_MINGW}-windres)

if(NOT REZAR_WINDOWS_QT AND DEFINED ENV{REZAR_WINDOWS_QT})
  set(REZAR_WINDOWS_QT $ENV{REZAR_WINDOWS_QT})
endif()
if(NOT REZAR_WINDOWS_QT)
  message(FATAL_ERROR "Name the Qt for Windows: -DREZAR_WINDOWS_QT=DIR (tools/windows.sh finds it)")
endif()
set(REZAR_WINDOWS_QT ${REZAR_WINDOWS_QT} CACHE PATH "Qt for Windows (MinGW-w64, x86_64)")
# try_compile projects get the toolchain file again, without the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES REZAR_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/${REZAR_MINGW} ${REZAR_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH ${REZAR_WINDOWS_QT})

set(QT_HOST_PATH /usr CACHE PATH "Host Qt 6 (moc, rcc, uic)")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt 6's CMake packages")

# The MinGW runtime DLLs every program loads, for the install step and the tests under Wine.
set(REZAR_MINGW_RUNTIME_DIRS /usr/lib/gcc/${REZAR_MINGW}/12-posix /usr/${REZAR_MINGW}/lib)

# ctest runs the .exe suites under Wine; its exit codes carry through.
find_program(REZAR_WINE NAMES wine wine64)
if(REZAR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${REZAR_WINE})
endif()

# The host's rcc compresses with zstd where it pays (the translations do), but this Qt for
# Windows is built without zstd: its programs could not read such resources.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
