#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under sanitizers, short fuzz runs,
# then the Windows tests and the window tests under Wine and Xvfb. The last line is ctest's summary.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
JOBS="${JOBS:-2}"

step() { printf '\n[test] %s\n' "$*"; }

step "native build (host g++, AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S "$ROOT" -B "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Debug -DLARK_SANITIZE=ON -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$ROOT/build/native" -j "$JOBS"

step "fuzz build (clang-14, libFuzzer)"
cmake -S "$ROOT" -B "$ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DLARK_FUZZ=ON -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$ROOT/build/fuzz" -j "$JOBS"

step "windows build (MinGW-w64)"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$ROOT/build/win" -j "$JOBS"

status=0
step "native tests"
ctest --test-dir "$ROOT/build/native" --output-on-failure -j "$JOBS" || status=1
step "fuzz runs"
ctest --test-dir "$ROOT/build/fuzz" --output-on-failure || status=1

source "$ROOT/scripts/wine-env.sh"
trap lark_env_cleanup EXIT
lark_start_display
lark_start_wine
mkdir -p "$ROOT/artifacts"
export LARK_ARTIFACTS="$ROOT/artifacts"
step "windows and window tests (Wine, DISPLAY=$DISPLAY)"
ctest --test-dir "$ROOT/build/win" --output-on-failure || status=1
exit $status
