#!/usr/bin/env bash
# Detection and process-scan benchmark under Wine (figures only; target: a scan within 3x of a bare walk).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" bench_scan player_standin_2_641_0_1
mkdir -p "$LARK_RUN_DIR/work"
wine "$BUILD/bench/bench_scan.exe" "$(winpath "$BUILD/tests/fixtures/player_standin_2_641_0_1.exe")" "$(winpath "$LARK_RUN_DIR/work")" | tr -d '\r'
