#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and its tests, and runs every test headless:
# once in a normal build and once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" -j "$jobs"
(cd "$here/build" && ctest --output-on-failure -j "$jobs")

cmake -S "$here" -B "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON > /dev/null
cmake --build "$here/build-sanitize" -j "$jobs"
# Leaks are looked for too; only system libraries' own leaks are let through, by name.
(cd "$here/build-sanitize" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$here/tests/lsan.supp" ctest --output-on-failure -j "$jobs")
