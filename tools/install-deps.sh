#!/bin/sh
# Installs the Debian packages that building, running and testing need,
# skipping those already present. Works as root or through sudo.
set -eu

packages="build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev fonts-nanum
  xvfb xauth xdotool
  clang-14 libclang-rt-14-dev clang-format-14"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
    || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "installing packages:$missing (this takes a few minutes)"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
