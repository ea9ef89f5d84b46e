#!/usr/bin/env bash
# Opens and leaves every exercise screen 10,000 times (or as many rounds as given) in one
# process of the sanitizer build with the leak checker on, and in the normal build to
# follow the memory in use round by round.
#   bash tools/leaks.sh [rounds]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-10000}"
bash "$here/tools/deps.sh"
export QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/pulse QM_LEAK_ROUNDS="$rounds"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" --target test_leaks -j "$(nproc)"
echo "== memory in use, normal build, $rounds rounds"
"$here/build/test_leaks" -o -,txt | grep -E "QINFO|PASS|FAIL|Totals"
cmake -S "$here" -B "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON > /dev/null
cmake --build "$here/build-sanitize" --target test_leaks -j "$(nproc)"
echo "== leak checker, sanitizer build, $rounds rounds"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=1" \
  "$here/build-sanitize/test_leaks" -o -,txt | grep -E "QINFO|PASS|FAIL|Totals|leak|Suppressions|libdbus|libfontconfig"
