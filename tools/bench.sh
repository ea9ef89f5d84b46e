#!/usr/bin/env bash
# Builds the program and its benchmark and prints the figures (nothing is asserted):
#   bash tools/bench.sh
# Runs on a virtual X display, so that windows are really drawn, when Xvfb is there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
if ! command -v Xvfb > /dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth > /dev/null
fi
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" --target quillmark qm_bench -j "$(nproc)"
export QM_EXECUTABLE="$here/build/quillmark" PULSE_SERVER="${PULSE_SERVER:-unix:/nonexistent/pulse}"
exec xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$here/build/qm_bench"
