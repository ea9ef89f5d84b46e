#!/usr/bin/env bash
# A damaged picture under Wine (called by tools/windows/test.sh, with Wine set up):
#   fatal.sh <copy of the Quillmark folder> <pictures folder>
# The title screen's picture is spoilt in the copy; quillmark.exe must say so, naming the
# file, in a Windows message box, and end with code 1 once OK is pressed.
set -euo pipefail
folder="$1" out="$2"
mkdir -p "$out"
log="$out/stderr.log"
title="Run-time error '481'"
message='Invalid picture: opening2\startl00.jpg'
fail() {
  echo "fatal: $*" >&2
  cat "$log" >&2
  exit 1
}
source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
start_display || fail "no virtual display"
elsewhere="$(mktemp -d)"
trap 'wineserver -k 2> /dev/null || true; kill "$xvfb" 2> /dev/null || true; rm -rf "$elsewhere"' EXIT
wineserver -k 2> /dev/null || true
wineserver -w 2> /dev/null || true

printf 'not a picture at all' > "$folder/opening2/startl00.jpg"
(cd "$elsewhere" && exec wine "$folder/quillmark.exe" > /dev/null 2> "$log") &
program=$!
box=
for ((n = 0; n < 600; ++n)); do
  kill -0 "$program" 2> /dev/null || fail "the program ended before showing its message"
  box="$(xdotool search --onlyvisible --name "^$title\$" 2> /dev/null | head -n1 || true)"
  [[ -n "$box" ]] && break
  sleep 0.2
done
[[ -n "$box" ]] || fail "no message box \"$title\""
# What the box says, read off the screen.
sleep 0.5
import -window "$box" "$out/box.png"
convert "$out/box.png" -resize 300% "$out/.box.png"
said="$(tesseract "$out/.box.png" - 2> /dev/null | tr '\n' ' ')"
rm -f "$out/.box.png"
[[ "$said" == *"Invalid picture: opening2"*"start"* ]] || fail "the box says '$said'"
grep -qF "$message" "$log" || fail "the error output does not name the file"
xdotool windowfocus "$box" key Return
for ((n = 0; n < 150; ++n)); do
  kill -0 "$program" 2> /dev/null || break
  sleep 0.2
done
kill -0 "$program" 2> /dev/null && fail "OK did not end the program"
status=0
wait "$program" || status=$?
((status == 1)) || fail "the program ended with status $status, not 1"
echo "fatal: \"$title\" box saying \"$message\"; OK ends the program with code 1"
