#!/usr/bin/env bash
# Builds quillmark.exe against the Qt for Windows in $1 and makes the zip and the MSI in
# build-windows. Called by tools/windows.sh.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
qt="$1"
out="$here/build-windows"
build="$out/build"
version="$(sed -n 's/^project(Quillmark VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
mingw_gcc=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
mingw_lib=/usr/x86_64-w64-mingw32/lib

"$qt/bin/qt-cmake" -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j "$(nproc)"

# The folder a school unpacks: the program, the Qt and MinGW libraries it loads, Qt's
# plugins, the pictures and sounds, the fonts it falls back on, the guide, the licences.
stage="$out/stage/Quillmark"
rm -rf "$out/stage"
mkdir -p "$stage"
cmake --install "$build" --prefix "$stage" > /dev/null
cp "$qt"/bin/Qt6Core.dll "$qt"/bin/Qt6Gui.dll "$qt"/bin/Qt6Widgets.dll "$stage/"
cp "$mingw_gcc/libstdc++-6.dll" "$mingw_gcc/libgcc_s_seh-1.dll" "$mingw_lib/libwinpthread-1.dll" "$stage/"
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll imageformats/qico.dll; do
  if [[ -f "$qt/plugins/$plugin" ]]; then
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$stage/$plugin"
  elif [[ "$plugin" == platforms/* || "$plugin" == imageformats/qjpeg.dll ]]; then
    echo "Qt plugin $plugin is missing from $qt" >&2
    exit 1
  fi
done
mkdir -p "$stage/fonts"
cp /usr/share/fonts/truetype/liberation/LiberationSerif-*.ttf /usr/share/fonts/truetype/liberation/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf \
   /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$stage/fonts/"
bash "$here/tools/windows/licences.sh" "$qt" "$stage/licences"

# Every DLL the program and its plugins load is in the folder or is Windows' own (one that
# Wine also provides).
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
check_imports() {
  local file="$1" dll
  while read -r dll; do
    [[ -f "$stage/$dll" || "$dll" == api-ms-* || "$dll" == ext-ms-* ]] && continue
    if [[ -z "$(find "$system_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ]]; then
      echo "$file needs $dll, which is neither shipped nor part of Windows" >&2
      return 1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
}
while IFS= read -r -d '' f; do check_imports "$f"; done < <(find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -print0)

zip="$out/Quillmark-$version-win64.zip"
rm -f "$zip"
(cd "$out/stage" && zip -q -r -9 "$zip" Quillmark)
echo "made $zip ($(du -h "$zip" | cut -f1))"

if [[ -f "$here/tools/windows/msi.sh" ]]; then
  bash "$here/tools/windows/msi.sh" "$stage" "$version" "$out/Quillmark-$version-x64.msi"
fi
