#!/usr/bin/env bash
# Times set_json_int on an 8 MiB and a 2 KB flag file against one plain linear scan of the same text.
# Not a test: figures only. Target: within 3x of the scan.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT
g++ -std=c++17 -O2 -I"$ROOT" "$ROOT/bench/bench_set_json_int.cpp" "$ROOT/roblox/flag_edit.cpp" -o "$OUT/bench_set_json_int"
"$OUT/bench_set_json_int"
