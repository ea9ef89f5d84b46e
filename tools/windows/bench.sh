#!/usr/bin/env bash
# The Windows figure under Wine, printed and never asserted: start to the title screen
# painted, beside the one-label window built against the same Qt and started from the same
# folder; the median of 7 starts of each, taken in turn in one run, and their ratio.
#   bench.sh <Qt for Windows>     (tools/windows.sh --bench, after building)
set -euo pipefail
export LC_ALL=C  # a point, not a comma, in $EPOCHREALTIME
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
qt="$1"
out="$here/build-windows"
runs=7
source "$here/tools/windows/wine.sh" "$qt"
source "$here/tools/windows/display.sh"

cmake --build "$out/build" --target qm_floor > /dev/null
folder="$(mktemp -d)"
elsewhere="$(mktemp -d)"
trap 'wineserver -k 2> /dev/null || true; kill "$xvfb" 2> /dev/null || true; rm -rf "$folder" "$elsewhere"' EXIT
cp -a "$out/stage/Quillmark" "$folder/"
cp "$out/build/qm_floor.exe" "$folder/Quillmark/"
start_display
unset QT_QPA_PLATFORM
# One Wine server for the whole run, so that no start pays for starting it.
wineserver -p
wine cmd /c exit 0 > /dev/null 2>&1 || true

# Milliseconds from starting the program to the line its first paint prints.
painted_ms() {
  local exe="$1" pattern="$2" line t0 t1
  coproc P { cd "$elsewhere" && exec env QUILLMARK_TRACE=1 wine "$exe" 2>&1 > /dev/null; }
  t0=$EPOCHREALTIME
  while IFS= read -r -t 120 line <&"${P[0]}"; do
    [[ "$line" == *"$pattern"* ]] && break
  done
  t1=$EPOCHREALTIME
  kill "$P_PID" 2> /dev/null || true
  wait "$P_PID" 2> /dev/null || true
  [[ "$line" == *"$pattern"* ]] || return 1
  echo $(((${t1/./} - ${t0/./}) / 1000))
}

median() { tr ' ' '\n' <<< "$*" | sort -n | sed -n "$((($# + 1) / 2))p"; }

ours=() floor=()
for ((i = 0; i < runs; ++i)); do
  ours+=("$(painted_ms "$folder/Quillmark/quillmark.exe" "painted Titlefrm")")
  floor+=("$(painted_ms "$folder/Quillmark/qm_floor.exe" "floor: painted")")
done
a="$(median "${ours[@]}")" b="$(median "${floor[@]}")"
echo "Quillmark for Windows under $(wine --version) (median of $runs starts; Xvfb)"
echo
printf '%-40s %12s %12s\n' "" "Quillmark" "one label"
printf '%-40s %9s ms %9s ms   (%s x)\n' "start to first screen painted" "$a" "$b" \
  "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')"
echo "  each start, ms: Quillmark ${ours[*]}; one label ${floor[*]}"
