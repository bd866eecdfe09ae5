#!/usr/bin/env bash
# The Windows build: cross-compiled with MinGW-w64 into build-windows/ against a Qt for Windows,
# tested under Wine.
#
#   tools/windows.sh           set-up and build (programs and the suites that run under Wine)
#   tools/windows.sh test      ... then the suites under Wine and the end-to-end tests over a COM
#                              port mapped to rezar-sim (Linux build in build-dev/)
#   tools/windows.sh package   ... then the installer and the zip (cpack in build-windows/)
#   tools/windows.sh bench     ... then bench/link-timing with rezar-cli.exe under Wine over COM7
#   tools/windows.sh qt SRC    make the Qt for Windows from source (see README), SRC = a folder
#                              holding Qt SerialPort 6.4.2's source
#
# The Qt for Windows: REZAR_WINDOWS_QT=DIR, else ~/.cache/rezar/qt6-mingw, else the archive
# ../shared/windows/qt-6.4.2-mingw64.tar.xz unpacked there.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
what=${1:-build}

cache=${XDG_CACHE_HOME:-$HOME/.cache}/rezar
archive=$top/../shared/windows/qt-6.4.2-mingw64.tar.xz
# ctest under Wine and the end-to-end tests use a Wine prefix of their own in the build tree.
export WINEPREFIX=${REZAR_WINEPREFIX:-$top/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis
          cmake ninja-build qt6-base-dev qt6-base-dev-tools fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Prints the folder of a usable Qt for Windows, unpacking the archive into the cache if need be;
# nothing when there is none.
find_qt() {
  local dir
  for dir in "${REZAR_WINDOWS_QT:-}" "$cache/qt6-mingw"; do
    if [ -n "$dir" ] && [ -f "$dir/lib/cmake/Qt6SerialPort/Qt6SerialPortConfig.cmake" ]; then
      echo "$dir"
      return
    fi
  done
  if [ -f "$archive" ]; then
    mkdir -p "$cache"
    rm -rf "$cache/qt6-mingw.part" && mkdir "$cache/qt6-mingw.part"
    tar -xJf "$archive" -C "$cache/qt6-mingw.part"
    rm -rf "$cache/qt6-mingw" && mv "$cache/qt6-mingw.part/qt6-mingw" "$cache/qt6-mingw"
    rmdir "$cache/qt6-mingw.part"
    echo "$cache/qt6-mingw"
  fi
}

# Qt 6.4.2 for Windows from source: qtbase from Debian's qt6-base source package (needs a deb-src
# line), Qt SerialPort from the folder named. About 35 minutes on 2 cores.
make_qt() {
  local serialport=${1:?name the folder of Qt SerialPort 6.4.2\'s source}
  local prefix=$cache/qt6-mingw work=$cache/qt-source
  serialport=$(realpath "$serialport")
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends dpkg-dev libwine-dev
  mkdir -p "$work" && cd "$work"
  [ -d qt6-base-6.4.2+dfsg ] || apt-get source qt6-base=6.4.2+dfsg-10
  local qtbase=$work/qt6-base-6.4.2+dfsg
  # The +dfsg tarball lacks the Wintab headers the Windows platform plugin includes; Wine's
  # LGPL ones stand in.
  mkdir -p "$qtbase/src/3rdparty/wintab"
  cp /usr/include/wine/windows/wintab.h /usr/include/wine/windows/pktdef.h "$qtbase/src/3rdparty/wintab/"
  # Qt 6.4 builds its DirectWrite font database only with Direct2D; without Direct2D the Windows
  # plugin must not use it either.
  sed -i 's/#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$qtbase"/src/plugins/platforms/windows/qwindowsintegration.cpp
  local common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
    -DREZAR_WINDOWS_QT="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  cmake -S "$qtbase" -B "$work/build-qtbase" "${common[@]}" -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF -DFEATURE_icu=OFF -DFEATURE_qmake=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_system_doubleconversion=OFF
  cmake --build "$work/build-qtbase" -j2 && cmake --install "$work/build-qtbase"
  cmake -S "$serialport" -B "$work/build-serialport" "${common[@]}"
  cmake --build "$work/build-serialport" -j2 && cmake --install "$work/build-serialport"
  cd "$top"
}

if [ "$what" = qt ]; then
  make_qt "${2:-}"
  exit 0
fi

qt=$(find_qt)
if [ -z "$qt" ]; then
  echo "windows: no Qt for Windows (set REZAR_WINDOWS_QT, or put the archive at $archive," \
       "or make one: tools/windows.sh qt SERIALPORT_SOURCE)" >&2
  exit 2
fi

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DREZAR_WINDOWS_QT="$qt" \
  -DREZAR_BENCH=ON > /dev/null
cmake --build build-windows

case "$what" in
  build) ;;
  test) exec tools/windows-test.sh ;;
  bench) exec tools/windows-test.sh bench ;;
  package) cd build-windows && cpack ;;
  *) echo "windows: unknown step '$what' (build, test, package, bench, qt)" >&2; exit 2 ;;
esac
