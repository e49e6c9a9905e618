#!/usr/bin/env bash
# Builds the native half and, through it, the Win32 half (orvendel.exe).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVENDEL_BUILD:-$root/build}
jobs=$(nproc)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs"
