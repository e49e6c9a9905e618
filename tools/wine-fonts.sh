#!/usr/bin/env bash
# Gives a Wine prefix the faces Wine draws its own frames and dialogs with
# (Marlett for the caption buttons, Tahoma and MS Sans Serif for dialogs).
# Debian's fonts-wine puts them in /usr/share/wine/fonts, but Wine does not
# load them from there: a prefix sees them only in its own windows/Fonts.
#   wine-fonts.sh PREFIX
set -u
prefix=$1
source=/usr/share/wine/fonts
if [ ! -f "$source/marlett.ttf" ]; then
  echo "no Wine fonts in $source (tools/setup.sh installs fonts-wine)" >&2
  exit 1
fi
mkdir -p "$prefix/drive_c/windows/Fonts"
cp -f "$source"/* "$prefix/drive_c/windows/Fonts/"
