#!/bin/sh
# Installs the Debian 12 packages the build, the program and the tests need,
# only those that are missing. Run as root (or with sudo available).
# libcups2-dev lets the build ask CUPS queues what Qt does not report (a
# queue turning jobs away), libfontconfig-dev lets start-up read the font
# configuration on a thread of its own; the build goes on without either.
set -eu
paquetes="build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev \
xvfb xauth fonts-liberation fonts-comic-neue poppler-utils qt6-translations-l10n libcups2-dev libfontconfig-dev"
faltan=""
for p in $paquetes; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan="$faltan $p"
done
[ -z "$faltan" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $faltan
