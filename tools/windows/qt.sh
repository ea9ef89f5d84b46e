#!/usr/bin/env bash
# Builds Qt for Windows (win32-g++, x86-64) once, from the source of the same Debian qt6-base
# the Linux build uses, with MinGW-w64 and Debian's own moc, rcc and uic as host tools.
# The result lives in a cache folder outside the checkout and later runs reuse it.
#   bash tools/windows/qt.sh            # prints the Qt prefix when it is ready
# QM_WINDOWS_CACHE chooses the cache folder (default ~/.cache/quillmark-windows).
set -euo pipefail
cache="${QM_WINDOWS_CACHE:-$HOME/.cache/quillmark-windows}"
prefix="$cache/qt"
jobs="${QM_JOBS:-$(nproc)}"
mkdir -p "$cache"

# The Qt built here must be the Qt the Linux build compiles against, since its host tools
# (moc, rcc, uic) come from there.
version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
if [[ -z "$version" ]]; then
  echo "qt6-base-dev is not installed" >&2
  exit 1
fi
stamp="$prefix/.built-from-$version"
if [[ -f "$stamp" ]]; then
  echo "$prefix"
  exit 0
fi

# Debian's source package, fetched with a source list of our own so that the machine's
# sources stay as they are. The deb-src lines repeat the machine's own Debian archives.
aptdir="$cache/apt"
mkdir -p "$aptdir/lists/partial" "$aptdir/sources.list.d" "$cache/src"
{
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f "$f" ]] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
         {
           types = ""; uris = ""; suites = ""; comps = ""; signed = ""
           for (i = 1; i <= NF; i++) {
             c = index($i, ":")
             if (c == 0 || $i ~ /^#/) continue
             key = substr($i, 1, c - 1); value = substr($i, c + 1); sub(/^ +/, "", value)
             if (key == "Types") types = value
             else if (key == "URIs") uris = value
             else if (key == "Suites") suites = value
             else if (key == "Components") comps = value
             else if (key == "Signed-By") signed = value
           }
           if (types ~ /(^| )deb( |$)/ && uris != "" && suites != "") {
             n = split(suites, s, " ")
             for (j = 1; j <= n; j++) {
               opt = signed != "" ? "[signed-by=" signed "] " : ""
               print "deb-src " opt uris " " s[j] " " comps
             }
           }
         }' "$f"
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list
  fi
} | grep -i debian > "$aptdir/sources.list" || true
if [[ ! -s "$aptdir/sources.list" ]]; then
  echo "no Debian archive in the machine's apt sources to take qt6-base's source from" >&2
  exit 1
fi
apt_own=(-o "Dir::Etc::SourceList=$aptdir/sources.list" -o "Dir::Etc::SourceParts=$aptdir/sources.list.d"
         -o "Dir::State::Lists=$aptdir/lists")
src="$(ls -d "$cache/src"/qt6-base-*/ 2>/dev/null | head -n1 || true)"
if [[ -z "$src" || ! -f "$cache/src/.unpacked-$version" ]]; then
  rm -rf "$cache/src"
  mkdir -p "$cache/src"
  apt-get "${apt_own[@]}" update -q
  (cd "$cache/src" && apt-get "${apt_own[@]}" source -q "qt6-base=$version")
  touch "$cache/src/.unpacked-$version"
  src="$(ls -d "$cache/src"/qt6-base-*/ | head -n1)"
fi

cat > "$cache/mingw-w64.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# Only what the program and its tests use. The tablet API header is not in Debian's source,
# and without OpenGL the dynamic GL loader must go too.
build="$cache/qt-build"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_jpeg=ON -DFEATURE_png=ON
cmake --build "$build" -j "$jobs"
rm -rf "$prefix"
cmake --install "$build"
touch "$stamp"
echo "$prefix"
