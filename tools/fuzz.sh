#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds
# on its seed corpus (fuzz/corpus/<target>/), copied so the repo stays clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DORVENDEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >"$build.log" 2>&1 || { tail -n 40 "$build.log"; exit 1; }
status=0
for source in "$root"/fuzz/*_fuzz.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  corpus="$build/corpus/$name"
  rm -rf "$corpus"; mkdir -p "$corpus"
  [ -d "$root/fuzz/corpus/$name" ] && cp -r "$root/fuzz/corpus/$name/." "$corpus/"
  echo "fuzzing $name for ${seconds}s"
  if ! "$build/$name" -max_total_time="$seconds" -print_final_stats=1 "$corpus" >"$build/$name.log" 2>&1; then
    tail -n 40 "$build/$name.log"
    status=1
  else
    grep -E "stat::number_of_executed_units" "$build/$name.log" || true
  fi
done
exit $status
