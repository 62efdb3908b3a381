#!/bin/sh
# Configures and builds into build/ (the program and its data folder end up in build/bin/).
# Ninja when it is installed (package ninja-build): a clean build takes a fraction of make's time.
set -eu
cd "$(dirname "$0")/.."
generador=""
if [ ! -f build/CMakeCache.txt ] && command -v ninja >/dev/null 2>&1; then
    generador="-G Ninja"
fi
# shellcheck disable=SC2086
cmake -S . -B build $generador -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
