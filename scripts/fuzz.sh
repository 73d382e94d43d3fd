#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 15; for a release,
# run 600 or more). Fails on the first input that breaks an invariant; that input is kept in
# build/fuzz/findings/ and the corpus grows in build/fuzz/corpus/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/findings
for target in FuzzMatching FuzzCommandLine FuzzCodePage936; do
  corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus"
  printf '%-18s ' "$target"
  if ! build/fuzz/tests/fuzz/$target "$corpus" -max_total_time="$seconds" \
      -artifact_prefix=build/fuzz/findings/"$target"- -print_final_stats=1 \
      >build/fuzz/$target.log 2>&1; then
    echo "FAILED"
    tail -30 build/fuzz/$target.log
    exit 1
  fi
  sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s, no failure/p' build/fuzz/$target.log
done
