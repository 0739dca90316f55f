#!/bin/sh
# make cross-test: builds everything for arm64 with Debian's cross compiler
# and runs the whole test suite under qemu-user. Installs what it needs on
# this machine (the arm64 architecture, the cross compiler, qemu and the
# arm64 development packages). Slow on two cores, so not part of CI.
set -eu
cd "$(dirname "$0")/.."
tree="${1:-build/arm64}"
jobs="${JOBS:-2}"
# Seconds a single test may take under the emulator before CTest kills it.
timeout="${TEST_TIMEOUT:-300}"
# A round of the save's kill test takes about a second under qemu: two
# sweeps of its kill delays instead of the native run's 200 rounds.
export ROADTALLY_KILL_ROUNDS="${ROADTALLY_KILL_ROUNDS:-48}"

packages="g++-aarch64-linux-gnu qemu-user
  libsdl2-dev:arm64 libfreetype-dev:arm64 libfontconfig-dev:arm64 libpng-dev:arm64
  libgtest-dev:arm64 libgmock-dev:arm64"

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
    || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing packages for arm64:$missing"
  dpkg --print-foreign-architectures | grep -qx arm64 || $sudo dpkg --add-architecture arm64
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
fi

echo "configuring $tree for arm64"
generator=""
[ -f "$tree/CMakeCache.txt" ] || generator="-G Ninja"
cmake -S . -B "$tree" $generator -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/aarch64-linux-gnu.cmake" >/dev/null
echo "building everything in $tree"
cmake --build "$tree" -j"$jobs"
echo "running the tests under qemu-aarch64"
cd "$tree" && ctest --output-on-failure -j"$jobs" --timeout "$timeout"
