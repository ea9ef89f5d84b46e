#!/usr/bin/env bash
# Writes the licence texts that go with the Windows folder into $2: Qt's LGPL and where
# its source comes from, the fonts' licences, and the MinGW runtime's. Qt prefix in $1.
set -euo pipefail
qt="$1"
dest="$2"
cache="$(dirname "$qt")"
src="$(ls -d "$cache"/src/qt6-base-*/ | head -n1)"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
mkdir -p "$dest"
cp "$src/LICENSES/LGPL-3.0-only.txt" "$dest/Qt-LGPL-3.0.txt"
cp "$src/LICENSES/GPL-3.0-only.txt" "$dest/Qt-GPL-3.0.txt"
cp /usr/share/doc/qt6-base-dev/copyright "$dest/Qt-copyright.txt" 2>/dev/null || true
cat > "$dest/Qt-source.txt" <<TEXT
Quillmark for Windows uses the Qt libraries Qt6Core.dll, Qt6Gui.dll and Qt6Widgets.dll and
Qt plugins under the GNU Lesser General Public License version 3 (Qt-LGPL-3.0.txt, which
refers to Qt-GPL-3.0.txt).

They were built unchanged, except for the build options below, from Debian's source
package qt6-base version $version (Debian 12 "bookworm"). Its source is available from
any Debian archive mirror ("apt-get source qt6-base=$version") and from the Quillmark
maintainers on request. The libraries are loaded as separate DLLs, so you may replace
them with a compatible build of your own.

Built for win32-g++ (MinGW-w64) with: network, sql, dbus, xml, concurrent, printsupport,
OpenGL and tablet events off; the bundled zlib, libpng, libjpeg, FreeType, HarfBuzz and PCRE2.
TEXT
cp /usr/share/doc/fonts-liberation/copyright "$dest/Liberation-fonts-copyright.txt"
cp /usr/share/doc/fonts-wine/copyright "$dest/Wine-Tahoma-copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dest/MinGW-gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$dest/MinGW-w64-winpthreads-copyright.txt"
# Text files a Windows editor shows properly.
for f in "$dest"/*.txt; do sed -i 's/\r\?$/\r/' "$f"; done
