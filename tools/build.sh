#!/usr/bin/env bash
# Builds Orvendel into ORVENDEL_BUILD (default <root>/build).
#   build.sh          everything: the native half (core, unit tests, benchmarks,
#                     tools) and, through it, the Win32 half (orvendel.exe, the
#                     Win32 test programs, the timed tools)
#   build.sh reader   only orvendel.exe and the tools that write its resources
#   build.sh package  that, and the portable archive Orvendel-<version>-win64.zip
# A new build folder made by "reader" or "package" holds only the reader; a
# full build later adds the rest to the same folder, and "reader" then still
# builds only the program there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVENDEL_BUILD:-$root/build}
jobs=$(nproc)
what=${1:-all}
case "$what" in
  all)
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVENDEL_READER_ONLY=OFF >/dev/null
    cmake --build "$build" -j "$jobs"
    ;;
  reader|package)
    options=()
    [ -f "$build/CMakeCache.txt" ] || options=(-DORVENDEL_READER_ONLY=ON)
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
    target=reader
    [ "$what" = package ] && target=portable_archive
    cmake --build "$build" -j "$jobs" --target "$target"
    ;;
  *)
    echo "usage: $0 [all|reader|package]" >&2
    exit 2
    ;;
esac
