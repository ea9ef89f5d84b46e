#!/usr/bin/env bash
# Makes the Debian package of Quillmark (build-package/quillmark_<version>_<arch>.deb) and
# has Debian's own checker, lintian, look it over; an error or a warning fails the run:
#   bash tools/package.sh
# Install it with: apt install ./build-package/quillmark_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What only packaging needs besides: dpkg-shlibdeps for the dependencies, and the checker.
bash "$here/tools/deps.sh" dpkg-dev lintian
cmake -S "$here" -B "$here/build-package" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr > /dev/null
cmake --build "$here/build-package" --target quillmark teachers_guide changelog manpage -j "$(nproc)"
rm -f "$here"/build-package/quillmark_*.deb
(cd "$here/build-package" && cpack -G DEB)
deb="$(ls "$here"/build-package/quillmark_*.deb)"
lintian --fail-on error,warning "$deb"
echo "$deb"
