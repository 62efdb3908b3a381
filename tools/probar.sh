#!/bin/sh
# Installs what is missing, builds, and runs every test without a display.
set -eu
cd "$(dirname "$0")/.."
tools/instalar_paquetes.sh
tools/compilar.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
