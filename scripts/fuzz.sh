#!/usr/bin/env bash
# Fuzzes the editor's sessions with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in FUZZ_BUILD_DIR (build-fuzz). The replay
# tool's script reader has a fuzz target of its own, ladderpad-fuzz-replay,
# and so has the drawing file reader, ladderpad-fuzz-drawing; the test
# script runs both briefly.
#   scripts/fuzz.sh --drawing [SECONDS]
#                               fuzz the drawing reader for SECONDS (60) from
#                               fuzz/drawing-corpus
#   scripts/fuzz.sh --drawing-merge
#                               add to fuzz/drawing-corpus the inputs of its
#                               runs that reach edges the corpus does not
#   scripts/fuzz.sh [SECONDS]   build, then fuzz for SECONDS (60) from the kept
#                               corpus; new inputs go to the build folder,
#                               crashing ones to FUZZ_BUILD_DIR/fuzz/crash-*
#   scripts/fuzz.sh --merge     fold what the runs found into fuzz/corpus,
#                               keeping the fewest files that reach every
#                               edge reached (hit counts and comparisons are
#                               left out, so that the kept corpus stays small)
#   scripts/fuzz.sh --build-only
# A crashing input belongs in fuzz/regressions once the fault is mended.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_BUILD_DIR="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
JOBS="$(nproc 2>/dev/null || echo 2)"

CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLADDERPAD_BUILD_FUZZ=ON -DLADDERPAD_BUILD_QT=OFF -DLADDERPAD_BUILD_TESTS=OFF \
  -DLADDERPAD_FUZZ_SECONDS="${FUZZ_SECONDS:-60}" \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  >/dev/null
cmake --build "$FUZZ_BUILD_DIR" -j "$JOBS" --target ladderpad-fuzz ladderpad-fuzz-run ladderpad-fuzz-replay \
  ladderpad-fuzz-replay-run ladderpad-fuzz-drawing ladderpad-fuzz-drawing-run

FUZZER="$FUZZ_BUILD_DIR/fuzz/ladderpad-fuzz"
WORK="$FUZZ_BUILD_DIR/fuzz/corpus-work"
mkdir -p "$WORK"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"

case "${1:-60}" in
  --build-only)
    ;;
  --drawing)
    DRAWING_WORK="$FUZZ_BUILD_DIR/fuzz/drawing-corpus-work"
    mkdir -p "$DRAWING_WORK"
    "$FUZZ_BUILD_DIR/fuzz/ladderpad-fuzz-drawing" -max_total_time="${2:-60}" -max_len=65536 -timeout=20 \
      -rss_limit_mb=2048 -print_final_stats=1 -dict="$ROOT/fuzz/drawing.dict" \
      -artifact_prefix="$FUZZ_BUILD_DIR/fuzz/drawing-crash-" "$DRAWING_WORK" "$ROOT/fuzz/drawing-corpus"
    ;;
  --drawing-merge)
    "$FUZZ_BUILD_DIR/fuzz/ladderpad-fuzz-drawing" -merge=1 -use_counters=0 -use_cmp=0 -max_len=65536 \
      "$ROOT/fuzz/drawing-corpus" "$FUZZ_BUILD_DIR/fuzz/drawing-corpus-work"
    echo "fuzz/drawing-corpus: $(ls "$ROOT/fuzz/drawing-corpus" | wc -l) files," \
      "$(cat "$ROOT"/fuzz/drawing-corpus/* | wc -c) bytes"
    ;;
  --merge)
    fresh="$(mktemp -d)"
    "$FUZZER" -set_cover_merge=1 -use_counters=0 -use_cmp=0 -max_len=1024 "$fresh" "$ROOT/fuzz/corpus" "$WORK"
    find "$ROOT/fuzz/corpus" -type f -delete
    cp "$fresh"/* "$ROOT/fuzz/corpus/"
    rm -rf "$fresh"
    echo "fuzz/corpus: $(ls "$ROOT/fuzz/corpus" | wc -l) files, $(cat "$ROOT"/fuzz/corpus/* | wc -c) bytes"
    ;;
  *)
    "$FUZZER" -max_total_time="$1" -max_len=1024 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$FUZZ_BUILD_DIR/fuzz/crash-" "$WORK" "$ROOT/fuzz/corpus"
    ;;
esac
