#!/usr/bin/env bash
# Builds the benchmark program in Release (BENCH_BUILD_DIR, build-bench) and
# runs it: every figure is the median of REPETITIONS (5) runs. The window
# benchmarks use Qt's offscreen platform.
#   scripts/bench.sh [extra Google Benchmark options, e.g. --benchmark_filter=Convert]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BENCH_BUILD_DIR="${BENCH_BUILD_DIR:-$ROOT/build-bench}"
JOBS="$(nproc 2>/dev/null || echo 2)"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

cmake -S "$ROOT" -B "$BENCH_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLADDERPAD_BUILD_BENCH=ON \
  -DLADDERPAD_BUILD_TESTS=OFF >/dev/null
cmake --build "$BENCH_BUILD_DIR" -j "$JOBS" --target bench

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
"$BENCH_BUILD_DIR/bench/bench" --benchmark_repetitions="${REPETITIONS:-5}" \
  --benchmark_report_aggregates_only=true "$@" 2>&1 | grep -v -e '_mean ' -e '_stddev ' -e '_cv ' -e XDG_RUNTIME_DIR
