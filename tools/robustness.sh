#!/usr/bin/env bash
# The long robustness run: a restless pupil for a million events (or as many as given)
# in the build with AddressSanitizer and UndefinedBehaviorSanitizer. Prints events per
# second and what it found; exits non-zero on any broken invariant or sanitizer report.
#   bash tools/robustness.sh [events] [first seed] [seeds]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
cmake -S "$here" -B "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON > /dev/null
cmake --build "$here/build-sanitize" --target qm_monkey -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/pulse
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
exec "$here/build-sanitize/qm_monkey" "${1:-1000000}" "${2:-1}" "${3:-10}"
