#!/usr/bin/env bash
# Fails unless the executable imports exactly the functions of the list: one
# "library!function" a line (library in lower case), each checked to be there
# in Windows 7. A function the list does not hold is newer, Wine's own or not
# yet checked: reach it through GetProcAddress (platform/win32/system_function.h)
# or, once it is known to be in Windows 7, add it. A listed function the
# executable no longer imports is taken off, so the list stays what is needed.
#   check_imports.sh <program.exe> <list>
set -euo pipefail
program=$1
list=$2
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# The import tables as objdump prints them: a "DLL Name:" line, then one line
# per function (address, hint, name), until a blank line.
imports=$("$objdump" -p "$program" | awk '
    /^The Import Tables/ { inside = 1; next }
    /^The .* Tables/ || /^PE File Base Relocations/ { inside = 0 }
    !inside { next }
    /DLL Name:/ { library = tolower($3); next }
    /^$/ { library = ""; next }
    library != "" && $1 ~ /^[0-9a-f]+$/ && NF == 3 && $2 ~ /^[0-9]+$/ { print library "!" $3 }
    library != "" && $1 ~ /^[0-9a-f]+$/ && NF == 2 && $2 ~ /^[0-9]+$/ { print library "!#" $2 }
' | sort -u)
if [[ -z $imports ]]; then
    echo "no imports read from $program" >&2
    exit 1
fi
listed=$(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$list" | sort -u)

unlisted=$(comm -23 <(echo "$imports") <(echo "$listed"))
unused=$(comm -13 <(echo "$imports") <(echo "$listed"))
status=0
if [[ -n $unlisted ]]; then
    echo "$program imports functions not on the Windows 7 list ($list):" >&2
    echo "$unlisted" | sed 's/^/  /' >&2
    status=1
fi
if [[ -n $unused ]]; then
    echo "listed in $list but no longer imported (take them off):" >&2
    echo "$unused" | sed 's/^/  /' >&2
    status=1
fi
[[ $status -eq 0 ]] && echo "$(echo "$imports" | wc -l) imports, all on the Windows 7 list"
exit $status
