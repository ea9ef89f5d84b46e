#!/usr/bin/env bash
# Makes the MSI of the Windows folder $1 (version $2) as $3 with wixl: a per-machine install
# under Program Files, Start-menu shortcuts, an uninstall entry, silent install and removal
# (msiexec /i … /qn, msiexec /x … /qn), and a newer version replacing an older one.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
stage="$(cd "$1" && pwd)"
version="$2"
msi="$(cd "$(dirname "$3")" 2>/dev/null && pwd || (mkdir -p "$(dirname "$3")" && cd "$(dirname "$3")" && pwd))/$(basename "$3")"
work="$(dirname "$msi")/msi"
rm -rf "$work"
mkdir -p "$work"

# wixl reads files by paths relative to the folder it runs in.
ln -s "$stage" "$work/Quillmark"
cp "$here/assets/icon/quillmark.ico" "$here/dist/windows/quillmark.wxs" "$work/"
cd "$work"
# One component per file, all below INSTALLDIR.
find Quillmark/ -type f | LC_ALL=C sort |
  wixl-heat -p Quillmark/ --component-group QuillmarkFiles --var var.SourceDir --directory-ref INSTALLDIR \
  > files.wxs
wixl -a x64 -D SourceDir=Quillmark -D Version="$version" -D Icon=quillmark.ico -o "$msi" quillmark.wxs files.wxs
echo "made $msi ($(du -h "$msi" | cut -f1))"
