#!/usr/bin/env bash
# The Windows build's tests, under Wine (called by tools/windows.sh --test, after building):
# the QtTest programs through CTest with Wine as the emulator, offscreen; then the real
# quillmark.exe on a virtual X display; the zip from a read-only folder; the MSI installed
# and removed silently. Qt prefix in $1.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
qt="$1"
out="$here/build-windows"
build="$out/build"
mingw_gcc=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
mingw_lib=/usr/x86_64-w64-mingw32/lib
source "$here/tools/windows/wine.sh" "$qt"
echo "Wine $(wine --version)"

# The test programs find Qt's and MinGW's libraries on Wine's path, Qt's plugins from Qt's
# own folder, and the fonts the program ships in the build folder's fonts folder.
"$qt/bin/qt-cmake" -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR=wine > /dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$build/fonts"
cp "$out/stage/Quillmark/fonts/"*.ttf "$build/fonts/"
# Tests that cannot run under Wine: see the README.
skip='^$'
(
  export WINEPATH="Z:${qt//\//\\}\\bin;Z:${mingw_gcc//\//\\};Z:${mingw_lib//\//\\}"
  cd "$build"
  rm -f test_*.log
  if ! ctest -j "$(nproc)" -E "$skip"; then
    for log in test_*.log; do
      grep -q '^FAIL\|^QFATAL' "$log" && { echo "--- $log"; grep -B2 -A6 '^FAIL\|^QFATAL' "$log"; }
    done
    echo "(a test that ended without a report printed nothing into its log: run it under wine by hand)"
    exit 1
  fi
)

# From here on the program runs from its own folder, with nothing on Wine's path, in a
# UTF-8 locale as a Windows machine's paths are Unicode.
export LANG=C.UTF-8
version="$(sed -n 's/^project(Quillmark VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
screens="$out/screens"
rm -rf "$screens"

# The real program as a pupil meets it, beside the Linux build doing the same: the title
# screen must be laid out as on Linux, to within a few pixels (the fonts are drawn by
# DirectWrite instead of FreeType, so single pixels of the letters differ).
cmake -S "$here" -B "$here/build" > /dev/null
cmake --build "$here/build" --target quillmark -j "$(nproc)" > /dev/null
bash "$here/tools/windows/screens.sh" "$screens/linux" "$here/build/quillmark"
# Its own folder, writable here, is as it was after the run: the program writes nothing.
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | LC_ALL=C sort); }
stage_before="$(listing "$out/stage")"
bash "$here/tools/windows/screens.sh" "$screens/windows" wine "$out/stage/Quillmark/quillmark.exe"
if [[ "$(listing "$out/stage")" != "$stage_before" ]]; then
  echo "the program wrote into its folder:" >&2
  diff <(echo "$stage_before") <(listing "$out/stage") >&2
  exit 1
fi
wineserver -k 2> /dev/null || true
same_layout() {
  local a="$1" b="$2" size_a size_b differing soft
  size_a="$(identify -format '%wx%h' "$a")" size_b="$(identify -format '%wx%h' "$b")"
  if [[ "$size_a" != "$size_b" ]]; then
    echo "$b is $size_b, $a is $size_a" >&2
    return 1
  fi
  # Each picture softened over a few pixels: a caption or picture moved by more than that
  # leaves a band of strongly differing pixels; letters drawn a little differently do not.
  soft="$(mktemp -d)"
  convert "$a" -blur 0x3 "$soft/a.png"
  convert "$b" -blur 0x3 "$soft/b.png"
  differing="$(compare -metric AE -fuzz 20% "$soft/a.png" "$soft/b.png" null: 2>&1 || true)"
  rm -rf "$soft"
  if ! [[ "$differing" =~ ^[0-9]+$ ]] || ((differing * 100 > ${size_a%x*} * ${size_a#*x})); then
    echo "$b is not laid out as $a: $differing pixels differ" >&2
    return 1
  fi
  echo "$(basename "$b"): $size_b, laid out as on Linux ($differing pixels differ after softening)"
}
for screen in title start menu2; do
  same_layout "$screens/linux/$screen.png" "$screens/windows/$screen.png"
done

# Sound through winmm's waveOut to an audio device: Wine's ALSA driver playing into a file
# (ALSA's file device, named for this run only), which must then hold the click of the
# term and the sound of the verdict. Every other run here has no audio device, and must be
# silent without a word.
sound="$(mktemp -d)"
printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "%s/played.raw"\n  format "raw"\n}\n' "$sound" > "$sound/.asoundrc"
HOME="$sound" bash "$here/tools/windows/screens.sh" "$screens/windows-sound" wine "$out/stage/Quillmark/quillmark.exe"
heard="$(od -An -v -tu1 "$sound/played.raw" 2> /dev/null | tr -s ' ' '\n' | grep -c '^[1-9]' || true)"
rm -rf "$sound"
((heard > 4000)) || { echo "the audio device was given ${heard:-no} bytes of sound" >&2; exit 1; }
echo "sound: $heard bytes of sound reached the audio device"

# Scaled to 125 % and 150 % through Windows' own setting: every screen drawn at its scaled
# size (text drawn at that size, not blown up), laid out as the Linux build at that scale.
for scale in 1.25 1.5; do
  bash "$here/tools/windows/screens.sh" "$screens/linux-$scale" --scale "$scale" "$here/build/quillmark"
  bash "$here/tools/windows/screens.sh" "$screens/windows-$scale" --scale "$scale" wine "$out/stage/Quillmark/quillmark.exe"
  for screen in title start menu2; do
    expected="$(identify -format '%w %h' "$screens/windows/$screen.png" |
      awk -v s="$scale" '{ printf "%dx%d", $1 * s + 0.5, $2 * s + 0.5 }')"
    got="$(identify -format '%wx%h' "$screens/windows-$scale/$screen.png")"
    [[ "$got" == "$expected" ]] || { echo "$screen at $scale is $got, not $expected" >&2; exit 1; }
    same_layout "$screens/linux-$scale/$screen.png" "$screens/windows-$scale/$screen.png"
  done
done

# The whole-class shortcut's --classroom on a 1920 x 1080 projector: every screen drawn as
# large as the display allows, played at the places that scale gives.
bash "$here/tools/windows/screens.sh" "$screens/windows-classroom" wine "$out/stage/Quillmark/quillmark.exe" --classroom
classroom="$(sed -n 's/.*classroom scale \([0-9.]*\).*/\1/p' "$screens/windows-classroom/trace.log")"
got="$(identify -format '%wx%h' "$screens/windows-classroom/tenses.png")"
expected="$(awk -v s="$classroom" 'BEGIN { printf "%dx%d", 800 * s + 0.5, 600 * s + 0.5 }')"
[[ "$got" == "$expected" ]] || { echo "whole class at $classroom: $got, not $expected" >&2; exit 1; }
echo "whole class: drawn at $classroom, $got"

# The zip unpacked into a read-only folder with spaces and letters beyond ASCII in its
# path, started from elsewhere: it works, and writes nothing there or in the user's folders.
share="$(mktemp -d)/School share/Année 6 – Ms Ó Súilleabháin's class"
mkdir -p "$share"
unzip -q "$out/Quillmark-$version-win64.zip" -d "$share"
read_only=mount
unshare_folder() {
  wineserver -k 2> /dev/null || true
  wineserver -w 2> /dev/null || true
  [[ "$read_only" != mount ]] || umount "$share" 2> /dev/null || true
  chmod -R u+w "$share" 2> /dev/null || true
}
trap 'unshare_folder; rm -rf "$(dirname "$(dirname "$share")")"' EXIT
if ! { mount --bind "$share" "$share" 2> /dev/null && mount -o remount,bind,ro "$share" 2> /dev/null; }; then
  # Where folders cannot be mounted read-only, root still writes through a missing write
  # permission: what is checked then is only that nothing is written.
  read_only=permissions
  chmod -R a-w "$share"
fi
before="$(listing "$share")"
stamp="$(mktemp)"
bash "$here/tools/windows/screens.sh" "$screens/zip" wine "$share/Quillmark/quillmark.exe"
after="$(listing "$share")"
unshare_folder
if [[ "$before" != "$after" ]]; then
  echo "the program wrote into its folder:" >&2
  diff <(echo "$before") <(echo "$after") >&2
  exit 1
fi
written="$(find "$WINEPREFIX/drive_c/users" -newer "$stamp" -iname '*quillmark*' -print)"
if [[ -n "$written" ]]; then
  echo "the program wrote into the user's folders: $written" >&2
  exit 1
fi
rm -rf "$(dirname "$(dirname "$share")")" "$stamp"
trap - EXIT
echo "zip: started from a read-only folder ($read_only) with spaces and accents in its path; wrote nothing"

# Worksheets from the command line of the packaged program (its own platform plugins only),
# into a folder named beyond the code page: the PDF reads back with the questions and keys.
sheets="$(mktemp -d)"
mkdir -p "$sheets/Année 6"
wine "$out/stage/Quillmark/quillmark.exe" --worksheet tenses,clause --answers --seed 5 \
  -o "$(winepath -w "$sheets/Année 6/Tenses - Year 5 Term 2.pdf")" > /dev/null 2>&1 ||
  { echo "quillmark.exe --worksheet failed ($?)" >&2; exit 1; }
text="$(pdftotext "$sheets/Année 6/Tenses - Year 5 Term 2.pdf" - 2>/dev/null)"
for expected in "Tenses" "The Subordinate Clause" "Year 5 Term 2" "Circle the right answer." "Tenses: answers" "Page 1 of"; do
  grep -qF "$expected" <<< "$text" || { echo "the Windows worksheet lacks \"$expected\"" >&2; exit 1; }
done
wine "$out/stage/Quillmark/quillmark.exe" --worksheet nothing -o "$(winepath -w "$sheets/x.pdf")" > /dev/null 2>&1 && status=0 || status=$?
[[ "$status" == 2 && ! -e "$sheets/x.pdf" ]] || { echo "an unknown exercise gave $status" >&2; exit 1; }
rm -rf "$sheets"
echo "worksheets: written by quillmark.exe into a folder with an accent, read back"

# A damaged picture: a Windows message box names the file, and the program ends with 1.
damaged="$(mktemp -d)"
cp -a "$out/stage/Quillmark" "$damaged/"
bash "$here/tools/windows/fatal.sh" "$damaged/Quillmark" "$screens/fatal"
rm -rf "$damaged"

# The MSI: a silent install for the whole machine, the program started from its Start-menu
# shortcut, a newer version replacing it in place, and a silent removal that leaves nothing
# of it behind but a school's own file.
bash "$here/tools/windows/msi-test.sh" "$out/Quillmark-$version-x64.msi" "$version" "$screens/msi"

echo "Windows tests under $(wine --version): all passed"
