#!/bin/sh
# Installs what is missing, builds, and starts the program.
set -eu
cd "$(dirname "$0")/.."
tools/instalar_paquetes.sh
tools/compilar.sh
exec build/bin/norvela "$@"
