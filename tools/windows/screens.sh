#!/usr/bin/env bash
# Plays the first screens of a Quillmark build on a virtual X display as a pupil would, and
# keeps a picture of each: the title screen; OK to the start screen; Year 5 Term 2 to its
# menu; "Tenses" to its exercise; PAST as the answer, which must bring "Correct" or "Wrong"
# with its tick or cross; then asks it to end. Fails when a screen does not come, or the
# program does not end cleanly.
#   screens.sh <pictures folder> [--scale S] <command> [arguments]
# With --scale (1.25, 1.5) the display is scaled as a school laptop's often is: through
# Windows' own setting (96 dots an inch times S) under Wine, QT_SCALE_FACTOR on Linux.
# With the program's own --classroom among the arguments, the places follow the scale the
# program says it draws at.
# The command is the Linux program or `wine …\quillmark.exe`; it is started from an
# unrelated folder. Needs Xvfb, xdotool, ImageMagick and tesseract.
set -euo pipefail
out="$1"
shift
scale=1 desktop='HKCU\Control Panel\Desktop' dpi_set=0
if [[ "$1" == --scale ]]; then
  scale="$2"
  shift 2
fi
under_wine=0 classroom=0
[[ "$1" == wine ]] && under_wine=1
for a in "$@"; do [[ "$a" == --classroom ]] && classroom=1; done
mkdir -p "$out"
out="$(cd "$out" && pwd)"
elsewhere="$(mktemp -d)"
trace="$out/trace.log"
: > "$trace"

fail() {
  echo "screens: $*" >&2
  echo "--- what the program said:" >&2
  cat "$trace" >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
# Scaled, a laptop's 1920 x 1080 display, as school laptops set to 125 % or 150 % have.
if [[ "$scale" == 1 ]] && ((!classroom)); then start_display; else start_display 1920x1080; fi || fail "no virtual display"
program=
cleanup() {
  [[ -z "$program" ]] || kill "$program" 2> /dev/null || true
  if ((under_wine)); then
    wineserver -k 2> /dev/null || true
    if ((dpi_set)); then
      wine reg delete "$desktop" /v LogPixels /f > /dev/null 2>&1 || true
      wineserver -k 2> /dev/null || true
    fi
  fi
  kill "$xvfb" 2> /dev/null || true
  rm -rf "$elsewhere"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# Wine's own processes belong to the display they were started on: none left from before.
((under_wine)) && { wineserver -k 2> /dev/null || true; wineserver -w 2> /dev/null || true; }
# Pixels at the display's scale.
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
if [[ "$scale" != 1 ]]; then
  if ((under_wine)); then
    wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$(px 96)" /f > /dev/null 2>&1
    dpi_set=1
    wineserver -w
  else
    export QT_SCALE_FACTOR="$scale"
  fi
fi
(cd "$elsewhere" && exec env QUILLMARK_TRACE=1 "$@" > /dev/null 2> "$trace") &
program=$!

# Waits (up to $2 seconds, 120 by default: Wine is slow to start) for a line of the trace.
wait_for() {
  local pattern="$1" limit="${2:-120}" start=$SECONDS
  until grep -q -- "$pattern" "$trace"; do
    kill -0 "$program" 2> /dev/null || fail "the program ended while waiting for '$pattern'"
    ((SECONDS - start < limit)) || fail "no '$pattern' within $limit s"
    sleep 0.2
  done
}

# The window of the screen just shown: the one visible window of the program not seen
# before (each screen is a window of its own; a menu stays up behind its exercise).
window=
seen=" "
find_window() {
  local start=$SECONDS ids fresh id
  while :; do
    ids="$(xdotool search --onlyvisible --class quillmark 2> /dev/null || true)"
    fresh=()
    for id in $ids; do [[ "$seen" == *" $id "* ]] || fresh+=("$id"); done
    if ((${#fresh[@]} == 1)); then
      window="${fresh[0]}"
      seen+="$window "
      return
    fi
    ((SECONDS - start < 30)) || fail "no single new window of the program: '${ids//$'\n'/ }'"
    sleep 0.2
  done
}

# A picture of the window once it has stopped changing (or at once, with "now").
shoot() {
  local file="$out/$1.png" previous="$out/.previous.png" n
  import -window "$window" "$previous"
  [[ "${2:-}" == now ]] && mv "$previous" "$file" && return
  for ((n = 0; n < 50; ++n)); do
    sleep 0.2
    import -window "$window" "$file"
    [[ "$(compare -metric AE "$file" "$previous" null: 2>&1 || true)" == 0 ]] && break
    cp "$file" "$previous"
  done
  rm -f "$previous"
}

# A click at a place of the window, in pixels from its top left.
click() {
  xdotool mousemove --window "$window" "$(px "$1")" "$(px "$2")" sleep 0.1 click 1
}

wait_for "painted Titlefrm"
if ((classroom)); then
  scale="$(sed -n 's/.*classroom scale \([0-9.]*\).*/\1/p' "$trace")"
  [[ -n "$scale" ]] || fail "--classroom gave no scale"
fi
find_window
shoot title
click 140 430            # OK
wait_for "painted intro0" 60
find_window
shoot start
click 76 328             # Year 5, Term 2
wait_for "painted menu2" 60
find_window
shoot menu2
click 400 266            # Tenses
wait_for "painted tenses" 60
find_window
shoot tenses
click 110 380            # PAST
# The verdict in its place below the boxes, read off the picture, and the tick or the cross
# at the top right, where there was none before (it is wiped in, so it may come later).
verdict= changed=0 tick="$(px 49)x$(px 49)+$(px 716)+$(px 12)" enough="$(px "$(px 600)")"
for ((n = 0; n < 100; ++n)); do
  shoot answer now
  convert "$out/answer.png" -crop "$(px 297)x$(px 105)+$(px 184)+$(px 480)" +repage -colorspace Gray -negate -resize 200% "$out/.caption.png"
  verdict="$(tesseract "$out/.caption.png" - --psm 7 2> /dev/null | tr -dc 'A-Za-z')"
  changed="$(compare -metric AE -fuzz 10% "$out/tenses.png[$tick]" "$out/answer.png[$tick]" null: 2>&1 || true)"
  [[ "$changed" =~ ^[0-9]+$ ]] || fail "could not compare the pictures: $changed"
  [[ ("$verdict" == Correct || "$verdict" == Wrong) ]] && ((changed > enough)) && break
  sleep 0.2
done
rm -f "$out/.caption.png"
[[ "$verdict" == Correct || "$verdict" == Wrong ]] || fail "the answer brought no verdict (read '$verdict')"
((changed > enough)) || fail "no tick or cross after the answer ($changed pixels changed)"
# Asked to end, it ends cleanly: under Wine as Windows asks, by closing its window (Alt+F4);
# on Linux by the signal a desktop sends at logout.
if ((under_wine)); then
  xdotool windowfocus "$window" key alt+F4
else
  kill -TERM "$program"
fi
wait_for "quillmark: end" 60
status=0
wait "$program" || status=$?
program=
((status == 0)) || fail "the program ended with status $status"
echo "screens: title, start, menu, Tenses and its answer ($verdict) in $out"
