#!/usr/bin/env bash
# Shared by the benchmark scripts: builds the given Windows targets, then starts a private display and
# Wine prefix for the run (torn down on exit). Sourced; BUILD is the Windows build folder.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
BUILD="$ROOT/build/win"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$BUILD" --target "$@" -j 2 >/dev/null
source "$ROOT/scripts/wine-env.sh"
trap lark_env_cleanup EXIT
lark_start_display
lark_start_wine >/dev/null
winpath() { printf 'Z:%s' "${1//\//\\}"; }
