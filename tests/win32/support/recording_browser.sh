#!/bin/sh
# The web browser of the tests: Wine's browser hook (HKCU\Software\Wine\
# WineBrowser, value "Browsers") runs it with the address the shell was asked
# to open, and it writes that address as one line into the build tree.
printf '%s\n' "$1" >> "${ORVENDEL_BINARY_DIR:?}/browser-addresses.txt"
