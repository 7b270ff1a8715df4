#!/usr/bin/env bash
# Window benchmarks under Wine, against a minimal Dear ImGui Direct3D 11 window built here as the floor.
# Prints: start-to-screenshot time, CPU while shown idle (per page), CPU while minimised, peak working set
# and the executable's size, each with its ratio to the floor where one exists. Not a test: figures only.
# Targets: startup and idle CPU within 1.2x of the floor, minimised under 2% of a core, working set
# under 60 MB, larkspire.exe under 4 MB.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_env.sh" larkspire bench_floor
LAUNCHER="$BUILD/larkspire.exe"
FLOOR="$BUILD/bench/bench_floor.exe"
SECONDS_IDLE="${SECONDS_IDLE:-10}"
HZ=$(getconf CLK_TCK)

now() { date +%s.%N; }

# Median time from the start until the 24-frame screenshot file appears (teardown not included: under
# Wine without a window manager, hiding a window waits two seconds for a manager that never answers).
median_start() {
  local file="$1"; shift
  local times=() i t0 t1
  for i in 1 2 3 4 5; do
    rm -f "$file"
    t0=$(now)
    wine "$@" >/dev/null 2>&1 &
    while [ ! -e "$file" ]; do
      kill -0 $! 2>/dev/null || break
      sleep 0.01
    done
    t1=$(now)
    wait $! 2>/dev/null || true
    times+=("$(echo "$t1 - $t0" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}

# The Linux process that runs a Windows program under Wine.
pid_of() {
  local name="$1" pid="" i
  for i in $(seq 1 100); do
    pid=$(pgrep -f "$name" | head -n1 || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  echo "$pid"
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

# CPU share of one core over SECONDS_IDLE, after a settle time; optional action before measuring.
cpu_share() {
  local name="$1" action="$2"; shift 2
  wine "$@" >/dev/null 2>&1 &
  local pid; pid=$(pid_of "$name")
  sleep 3
  [ -n "$action" ] && eval "$action"
  sleep 1
  local a b; a=$(cpu_ticks "$pid"); sleep "$SECONDS_IDLE"; b=$(cpu_ticks "$pid")
  peak_kb "$pid" > "$LARK_RUN_DIR/peak"   # read by the caller: this runs in a subshell
  kill "$pid" 2>/dev/null || true
  wait 2>/dev/null || true
  echo "($b - $a) / $HZ / $SECONDS_IDLE * 100" | bc -l
}

minimise_launcher() {
  local wid geo w
  wid=$(xdotool search --sync --name "Larkspire's Launcher" | head -n1)
  w=$(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {split($2, a, "x"); print a[1]}')
  xdotool mousemove --window "$wid" $((w - 86)) 30 click 1
}

ratio() { echo "scale=2; $1 / $2" | bc -l; }
fmt() { printf '%.3f' "$1"; }

shot="$LARK_RUN_DIR/shot.bmp"
marker="$LARK_RUN_DIR/floor.done"
floor_start=$(median_start "$marker" "$FLOOR" "--shot=$(winpath "$marker")")
launcher_start=$(median_start "$shot" "$LAUNCHER" --demo "--shot=$(winpath "$shot")")
printf 'start to 24-frame screenshot: launcher %ss, floor %ss, ratio %s (target <= 1.2)\n' \
  "$(fmt "$launcher_start")" "$(fmt "$floor_start")" "$(ratio "$launcher_start" "$floor_start")"

floor_idle=$(cpu_share bench_floor.exe "" "$FLOOR")
floor_peak=$(cat "$LARK_RUN_DIR/peak")
printf 'floor idle CPU: %s%% of a core\n' "$(fmt "$floor_idle")"
for page in 0 1 2 3 4 5; do
  idle=$(cpu_share larkspire.exe "" "$LAUNCHER" --demo "--page=$page")
  printf 'launcher idle CPU on page %d: %s%% of a core, ratio to floor %s (target <= 1.2)\n' \
    "$page" "$(fmt "$idle")" "$(ratio "$idle" "$floor_idle")"
done
peak=$(cat "$LARK_RUN_DIR/peak")
floor_min=$(cpu_share bench_floor.exe "" "$FLOOR" --minimise)
launcher_min=$(cpu_share larkspire.exe minimise_launcher "$LAUNCHER" --demo)
printf 'minimised CPU: launcher %s%% of a core (target < 2), floor %s%%\n' "$(fmt "$launcher_min")" "$(fmt "$floor_min")"
printf 'peak working set (process RSS high-water mark): launcher %d MB, floor %d MB (target < 60 MB)\n' \
  $((peak / 1024)) $((floor_peak / 1024))
size=$(stat -c %s "$LAUNCHER")
printf 'larkspire.exe: %d bytes (%.2f MB, target < 4 MB)\n' "$size" "$(echo "$size / 1048576" | bc -l)"
