#!/usr/bin/env bash
# Fails when the folders given include each other in a circle. Every
# #include "folder/..." line of their sources and headers (their win32/
# subfolders too) is an edge from the including folder to the included one;
# tsort refuses a graph with a loop and names the folders on it.
set -euo pipefail
root=$1
shift
folders=" $* "
edges=$(
    for from in "$@"; do
        find "$root/$from" -name '*.h' -o -name '*.cpp' | while read -r file; do
            sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file" | while read -r to; do
                if [[ $to != "$from" && $folders == *" $to "* ]]; then echo "$from $to"; fi
            done
        done
    done | sort -u
)
if ! order=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null); then
    echo "folders include each other in a circle:" >&2
    echo "$order" >&2
    exit 1
fi
