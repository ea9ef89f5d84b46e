#!/usr/bin/env bash
# Renders the real screens offscreen, and a worksheet, into docs/gallery/ for the README:
#   bash tools/gallery.sh
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" --target qm_gallery -j "$(nproc)"
QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/pulse "$here/build/qm_gallery" "$here/docs/gallery"
# A worksheet beside the screens: the first page of "Tenses", as a teacher would print it.
cmake --build "$here/build" --target quillmark -j "$(nproc)"
sheet="$(mktemp -d)"
trap 'rm -rf "$sheet"' EXIT
QT_QPA_PLATFORM=offscreen "$here/build/quillmark" --worksheet tenses --seed 4 -o "$sheet/tenses.pdf"
pdftoppm -png -r 96 -f 1 -l 1 -singlefile "$sheet/tenses.pdf" "$here/docs/gallery/worksheet"
