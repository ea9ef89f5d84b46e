#!/usr/bin/env bash
# Renders the real screens offscreen into docs/gallery/ for the README:
#   bash tools/gallery.sh
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" --target qm_gallery -j "$(nproc)"
QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/pulse "$here/build/qm_gallery" "$here/docs/gallery"
