#!/usr/bin/env bash
# Makes the Debian package of Quillmark (build-package/quillmark_<version>_<arch>.deb):
#   bash tools/package.sh
# Install it with: apt install ./build-package/quillmark_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
cmake -S "$here" -B "$here/build-package" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr > /dev/null
cmake --build "$here/build-package" --target quillmark teachers_guide -j "$(nproc)"
(cd "$here/build-package" && cpack -G DEB)
ls "$here"/build-package/quillmark_*.deb
