#!/usr/bin/env bash
# Times the replay tool of each system on the largest sheet, in one run:
# the Linux tool (BENCH_BUILD_DIR, build-bench) and the Windows tool under
# Wine (WIN_BUILD_DIR, build-windows, as scripts/windows.sh builds it), each
# as a whole process on an empty script (its start), on the script drawing
# the sheet, and on the same followed by the conversion (Command13).
# Medians of RUNS (15) runs. Both tools must print the same bytes, which is
# checked too. Then the conversion alone, in the process, by
# ladderpad-conversion-timer built for each system.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BENCH_BUILD_DIR="${BENCH_BUILD_DIR:-$ROOT/build-bench}"
WIN_BUILD_DIR="${WIN_BUILD_DIR:-$ROOT/build-windows}"
RUNS="${RUNS:-15}"
JOBS="$(nproc 2>/dev/null || echo 2)"

cmake -S "$ROOT" -B "$BENCH_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLADDERPAD_BUILD_BENCH=ON \
  -DLADDERPAD_BUILD_TESTS=OFF >/dev/null
cmake --build "$BENCH_BUILD_DIR" -j "$JOBS" \
  --target ladderpad-replay ladderpad-full-sheet-session ladderpad-conversion-timer >/dev/null
cmake -S "$ROOT" -B "$WIN_BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DLADDERPAD_BUILD_BENCH=ON >/dev/null
cmake --build "$WIN_BUILD_DIR" -j "$JOBS" --target ladderpad-replay ladderpad-conversion-timer >/dev/null

WORK="$(mktemp -d /tmp/ladderpad-speed.XXXXXX)"
OWN_PREFIX=""
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$WORK/prefix"
  OWN_PREFIX=1
fi
cleanup() {
  if [ -n "$OWN_PREFIX" ]; then
    wineserver -k 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
export WINEDEBUG=-all LANG=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree=;mshtml="
unset LC_ALL LC_CTYPE LC_MESSAGES
wineboot -i >/dev/null 2>&1
wineserver -p 60 2>/dev/null || true  # kept running between the runs, as on a booted Windows

: > "$WORK/empty.replay"
"$BENCH_BUILD_DIR/bench/ladderpad-full-sheet-session" > "$WORK/drawn.replay"
"$BENCH_BUILD_DIR/bench/ladderpad-full-sheet-session" 13 > "$WORK/converted.replay"
LINUX_TOOL="$BENCH_BUILD_DIR/tools/replay/ladderpad-replay"
WINDOWS_TOOL="$WIN_BUILD_DIR/tools/replay/ladderpad-replay.exe"

# The median wall time in milliseconds of RUNS runs of the command.
median_ms() {
  local times=()
  for _ in $(seq "$RUNS"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)] / 1000}'
}

"$LINUX_TOOL" "$WORK/converted.replay" > "$WORK/linux.out"
wine "$WINDOWS_TOOL" "$WORK/converted.replay" > "$WORK/windows.out"
cmp "$WORK/linux.out" "$WORK/windows.out" || { echo "error: the two tools print differently" >&2; exit 1; }

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(wine --version)"
echo "the largest sheet: $(grep -c '^click' "$WORK/converted.replay") clicks; medians of $RUNS runs, in ms"
printf '%-30s %8s %8s %10s\n' "tool" "start" "drawn" "converted"
for tool in linux windows; do
  if [ "$tool" = linux ]; then run=("$LINUX_TOOL"); name="ladderpad-replay (Linux)"; else
    run=(wine "$WINDOWS_TOOL"); name="ladderpad-replay.exe (Wine)"; fi
  start=$(median_ms "${run[@]}" "$WORK/empty.replay")
  drawn=$(median_ms "${run[@]}" "$WORK/drawn.replay")
  converted=$(median_ms "${run[@]}" "$WORK/converted.replay")
  printf '%-30s %8s %8s %10s\n' "$name" "$start" "$drawn" "$converted"
done
echo "Linux: $("$BENCH_BUILD_DIR/bench/ladderpad-conversion-timer" 101)"
echo "Wine:  $(wine "$WIN_BUILD_DIR/bench/ladderpad-conversion-timer.exe" 101)"
echo "ladderpad-replay.exe: $(stat -c %s "$WINDOWS_TOOL") bytes"
WINDOWS_PROGRAM="$(find "$WIN_BUILD_DIR" -name ladderpad.exe -not -path '*/CMakeFiles/*' | head -n1)"
if [ -n "$WINDOWS_PROGRAM" ]; then
  echo "ladderpad.exe: $(stat -c %s "$WINDOWS_PROGRAM") bytes"
fi
