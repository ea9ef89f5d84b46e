#!/usr/bin/env bash
# Fuzzes the metafile player with libFuzzer for a while (default 300 seconds):
#   bash tools/fuzz/run.sh [seconds]
# Starts from the corpus in tests/fuzz/metafile/corpus and adds the new inputs it finds
# there; an input that crashes lands in tests/fuzz/metafile/crashes. Both folders are
# replayed by the ordinary tests (test_metafile), so keep what it finds by committing them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-300}"
bash "$here/tools/deps.sh"
need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
fi
cmake -S "$here" -B "$here/build-fuzz" -DQM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$here/build-fuzz" --target fuzz_metafile -j "$(nproc)"
corpus="$here/tests/fuzz/metafile/corpus"
crashes="$here/tests/fuzz/metafile/crashes"
mkdir -p "$corpus" "$crashes"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
# New inputs go to a scratch folder first, then are merged into the corpus so that it only
# keeps inputs that add coverage.
set +e
"$here/build-fuzz/fuzz_metafile" "$work" "$corpus" -max_total_time="$seconds" -max_len=8192 \
  -use_value_profile=1 -artifact_prefix="$crashes/" -print_final_stats=1
status=$?
set -e
"$here/build-fuzz/fuzz_metafile" -merge=1 -artifact_prefix="$work/" "$corpus" "$work" > /dev/null 2>&1 || true
echo "corpus: $(ls "$corpus" | wc -l) inputs; crash inputs kept: $(ls "$crashes" | wc -l)"
exit $status
