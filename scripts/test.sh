#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs the whole test suite;
# then builds the core and its tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them; then replays the fuzz corpora and
# every regression input, fuzzes the editor's sessions for a minute and the
# replay script reader and the drawing file reader briefly; then builds the
# Debian package (build-package) and runs the unpacked programs; then
# cross-builds for Windows and runs the Windows tests under Wine
# (scripts/windows.sh, which also writes the Windows zip).
# Stops at the first stage that fails, so the last summary printed is the
# one that failed. Build folders: BUILD_DIR (build), ASAN_BUILD_DIR
# (build-asan), FUZZ_BUILD_DIR (build-fuzz); FUZZ_SECONDS (60).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen

echo "== Release build: the whole test suite"
(cd "$BUILD_DIR" && ctest --output-on-failure -j "$JOBS")

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer): the core and its tests"
ASAN_BUILD_DIR="${ASAN_BUILD_DIR:-$ROOT/build-asan}"
cmake -S "$ROOT" -B "$ASAN_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLADDERPAD_SANITIZE=ON \
  -DLADDERPAD_BUILD_QT=OFF >/dev/null
cmake --build "$ASAN_BUILD_DIR" -j "$JOBS"
# The round trip through new processes starts the replay tool thousands of
# times: the Release run takes them all, the sanitizers a sample.
(cd "$ASAN_BUILD_DIR" &&
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LADDERPAD_ROUND_TRIPS="${ASAN_ROUND_TRIPS:-300}" ctest --output-on-failure -j "$JOBS")

echo "== Fuzz build (libFuzzer): corpus, regressions and a short run"
FUZZ_BUILD_DIR="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
"$ROOT/scripts/fuzz.sh" --build-only
(cd "$FUZZ_BUILD_DIR/fuzz" && ctest --output-on-failure)

echo "== Package: build the Debian package, unpack it and run the unpacked programs"
"$ROOT/scripts/package.sh"
"$ROOT/scripts/package-check.sh"

echo "== Windows build (mingw-w64): the tests under Wine, the zip"
"$ROOT/scripts/windows.sh"
