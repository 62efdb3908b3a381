#!/bin/sh
# Configures and builds into build/ (the program and its data folder end up in build/bin/).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
