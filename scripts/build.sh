#!/usr/bin/env bash
# Installs what is missing, configures (once) and builds incrementally.
# Usage: scripts/build.sh BUILD_DIR [cmake options...] -- [targets...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

build_dir=$1; shift
options=(); targets=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
[ $# -gt 0 ] && shift
targets=("$@")

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S "$root" -B "$build_dir" -G Ninja "${options[@]}"
fi
jobs=$(nproc)
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" -j "$jobs" --target "${targets[@]}"
else
  cmake --build "$build_dir" -j "$jobs"
fi
