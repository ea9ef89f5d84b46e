#!/bin/sh
# Regenerates the program's pictures, board metafile and sounds in assets/.
# Usage: tools/make-assets.sh [BUILD_DIR]   (default: build-assets in the repository)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-assets"}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target assetgen --parallel "$(nproc 2>/dev/null || echo 2)"
QT_QPA_PLATFORM=offscreen "$build/assetgen" "$root/assets"
