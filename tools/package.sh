#!/usr/bin/env bash
# Makes the portable archive a Windows user unpacks and runs, and says where
# it is: <build>/Orvendel-<version>-win64.zip (the build folder is
# ORVENDEL_BUILD, by default <root>/build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVENDEL_BUILD:-$root/build}
"$root/tools/setup.sh" reader
ORVENDEL_BUILD="$build" "$root/tools/build.sh" package >"$build-package.log" 2>&1 \
  || { tail -n 40 "$build-package.log"; exit 1; }
sed -n 's/^PORTABLE_ARCHIVE:INTERNAL=//p' "$build/CMakeCache.txt"
