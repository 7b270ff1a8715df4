#!/usr/bin/env bash
# A private Xvfb display and a private Wine prefix for one run, torn down on exit.
# Sourced; exports DISPLAY, WINEPREFIX, WINEDEBUG and LARK_RUN_DIR.
set -euo pipefail

LARK_RUN_DIR="$(mktemp -d /tmp/larkspire-run.XXXXXX)"
export LARK_RUN_DIR
export WINEPREFIX="$LARK_RUN_DIR/prefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installers: the launcher needs neither and they slow the first boot.
export WINEDLLOVERRIDES="mscoree=;mshtml="
LARK_XVFB_PID=""

lark_env_cleanup() {
  set +e
  WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1
  [ -n "$LARK_XVFB_PID" ] && kill "$LARK_XVFB_PID" >/dev/null 2>&1
  rm -rf "$LARK_RUN_DIR"
}

lark_start_display() {
  local fdfile="$LARK_RUN_DIR/display"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  LARK_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$fdfile")"
}

lark_start_wine() {
  echo "[wine] preparing a private prefix in $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  wineserver -p   # keep the server alive for the run: each program then starts in ~0.1 s
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
}
