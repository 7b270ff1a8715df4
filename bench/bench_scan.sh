#!/usr/bin/env bash
# Detection and process-scan benchmark under Wine (figures only; target: a scan within 3x of a bare walk).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
BUILD="$ROOT/build/win"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$BUILD" --target bench_scan player_standin_2_641_0_1 -j 2 >/dev/null
source "$ROOT/scripts/wine-env.sh"
trap lark_env_cleanup EXIT
lark_start_display
lark_start_wine >/dev/null
mkdir -p "$LARK_RUN_DIR/work"
w() { printf 'Z:%s' "${1//\//\\}"; }
wine "$BUILD/bench/bench_scan.exe" "$(w "$BUILD/tests/fixtures/player_standin_2_641_0_1.exe")" "$(w "$LARK_RUN_DIR/work")" | tr -d '\r'
