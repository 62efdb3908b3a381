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
# LeakSanitizer stops every thread at exit and scans its stack and its
# thread-local storage. For a library loaded at run time (Qt's JPEG plugin
# brings libjpeg) the storage is a heap block, which this compiler's runtime
# locates from __tls_get_addr by a guess about glibc's layout; on Debian 12
# the guess now and then reads a bogus range ("Tracer caught signal 11"),
# under load or not. Without that interception the block is scanned as the
# heap block it is, reached from the thread's own storage, and nothing a
# thread holds goes unseen.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
# A test that hangs fails after five minutes instead of holding the run; a
# test that fails fails the suite, the first time.
ctest --test-dir build-saneado --output-on-failure --timeout 300 -j"$(nproc)"
