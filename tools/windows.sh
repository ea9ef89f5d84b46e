#!/usr/bin/env bash
# Quillmark for Windows, built on this Debian machine:
#   bash tools/windows.sh          installs what is missing, builds Qt for Windows once (cached
#                                  outside the checkout), builds quillmark.exe, and writes
#                                  build-windows/Quillmark-<version>-win64.zip and the MSI
#   bash tools/windows.sh --test   the same, then the tests under Wine
#   bash tools/windows.sh --bench  the same, then the start-up figure under Wine
# QM_WINDOWS_CACHE chooses the cache folder (default ~/.cache/quillmark-windows).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
run_tests=0 run_bench=0
for a in "$@"; do
  case "$a" in
    --test) run_tests=1 ;;
    --bench) run_bench=1 ;;
    -h|--help) sed -n '2,8p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "tools/windows.sh: unknown option $a" >&2; exit 2 ;;
  esac
done

# The cross compilers, Debian's source tools for Qt's source, wixl for the MSI; Wine, a
# virtual display, xdotool, ImageMagick and tesseract (which reads a verdict off the screen)
# for the tests.
bash "$here/tools/deps.sh" \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev \
  ninja-build dpkg-dev xz-utils zip unzip wine wine64 wixl msitools xvfb xauth xdotool imagemagick \
  tesseract-ocr tesseract-ocr-eng

started=$SECONDS
qt="$(bash "$here/tools/windows/qt.sh" | tail -n1)"
echo "Qt for Windows: $qt ($((SECONDS - started)) s)"
bash "$here/tools/windows/package.sh" "$qt"
if ((run_tests)); then
  bash "$here/tools/windows/test.sh" "$qt"
fi
if ((run_bench)); then
  bash "$here/tools/windows/bench.sh" "$qt"
fi
