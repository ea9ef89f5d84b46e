#!/usr/bin/env bash
# The Windows build's tests, under Wine (called by tools/windows.sh --test, after building):
# the QtTest programs through CTest with Wine as the emulator, offscreen; then the real
# quillmark.exe on a virtual X display; the zip from a read-only folder; the MSI installed
# and removed silently. Qt prefix in $1.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
qt="$1"
out="$here/build-windows"
build="$out/build"
cache="$(dirname "$qt")"
mingw_gcc=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
mingw_lib=/usr/x86_64-w64-mingw32/lib

# A Wine prefix of our own, made once; no menu entries written into the desktop's menus.
export WINEPREFIX="$cache/wine" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
export WINEARCH=win64
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot --init > /dev/null 2>&1 || true
  wineserver -w
fi
echo "Wine $(wine --version)"

# The test programs find Qt's and MinGW's libraries on Wine's path, its plugins beside
# them, and the fonts the program ships in the build folder's fonts folder.
"$qt/bin/qt-cmake" -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR=wine > /dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$build/fonts"
cp "$out/stage/Quillmark/fonts/"*.ttf "$build/fonts/"
export WINEPATH="Z:${qt//\//\\}\\bin;Z:${mingw_gcc//\//\\};Z:${mingw_lib//\//\\}"
export QT_PLUGIN_PATH="Z:${qt//\//\\}\\plugins"
# Tests that cannot run under Wine: see the README.
skip='^$'
(cd "$build" && ctest --output-on-failure -j "$(nproc)" -E "$skip")
