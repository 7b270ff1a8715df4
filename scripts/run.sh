#!/usr/bin/env bash
# Builds the launcher and starts it under Wine. With a display the window opens there; without one
# a virtual display is started, the launcher runs with --demo --shot=<file>, and the PNG path is printed.
# Extra arguments are passed to the launcher.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"

say "building larkspire.exe (MinGW-w64)"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DIMGUI_DIR="$IMGUI_DIR" >/dev/null
cmake --build "$ROOT/build/win" --target larkspire -j "${JOBS:-2}"
EXE="$ROOT/build/win/larkspire.exe"
export WINEDEBUG="${WINEDEBUG:--all}"

if [ -n "${DISPLAY:-}" ]; then
  say "starting the launcher on $DISPLAY"
  exec wine "$EXE" "$@"
fi

# No display: a private prefix kept in the cache, and a virtual display for this run only.
export WINEPREFIX="$ROOT/.cache/wine-run"
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  say "preparing Wine (first run only)"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
fdfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
trap 'WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -f "$fdfile"' EXIT
for _ in $(seq 1 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$fdfile")"
mkdir -p "$ROOT/artifacts"
shot="$ROOT/artifacts/launcher.bmp"
rm -f "$shot"
say "no display: running the launcher on a virtual display ($DISPLAY) with --demo"
wine "$EXE" --demo "--shot=Z:${shot//\//\\}" "$@" || true
if [ ! -f "$shot" ]; then echo "no screenshot was written" >&2; exit 1; fi
/usr/bin/convert "$shot" "${shot%.bmp}.png"
echo "${shot%.bmp}.png"
