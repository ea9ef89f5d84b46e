#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" --target quillmark -j "$(nproc)"
cd "$here/assets"
exec "$here/build/quillmark" "$@"
