#!/usr/bin/env bash
# Long fuzzing runs of every parser target (the test command only gives each a short fixed run).
# Usage: bash scripts/fuzz-long.sh [seconds per target, default 600]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
SECONDS_EACH="${1:-600}"
BUILD="$ROOT/build/fuzz"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DLARK_FUZZ=ON -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$BUILD" -j "${JOBS:-2}"
for target in "$BUILD"/tests/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$ROOT/.cache/fuzz-corpus/$name"
  mkdir -p "$corpus"
  say "fuzzing $name for ${SECONDS_EACH}s (corpus kept in $corpus)"
  (cd "$BUILD" && "$target" "$corpus" -max_total_time="$SECONDS_EACH" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1)
done
