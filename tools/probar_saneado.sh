#!/bin/sh
# Builds the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer
# into build-saneado/ and runs it without a display: the first fault of
# either kind fails its test. The benchmarks are left out of this build.
set -eu
cd "$(dirname "$0")/.."
generador=""
if [ ! -f build-saneado/CMakeCache.txt ] && command -v ninja >/dev/null 2>&1; then
    generador="-G Ninja"
fi
# shellcheck disable=SC2086
cmake -S . -B build-saneado $generador -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVELA_SANEAR=ON
cmake --build build-saneado -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
# A test that hangs fails after five minutes instead of holding the run.
# LeakSanitizer's own tracer now and then dies at exit on a loaded machine
# ("Tracer caught signal 11"), with no fault in the program: a test that
# fails is run once more, and a real fault, which fails every time, still
# fails the suite.
ctest --test-dir build-saneado --output-on-failure --timeout 300 --repeat until-pass:2 -j"$(nproc)"
