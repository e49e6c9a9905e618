#!/usr/bin/env bash
# Installs what building, running and testing Orvendel need on Debian 12, and
# skips what is there already. Runs as root (or through sudo when available).
set -euo pipefail
packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  libpugixml-dev npm ca-certificates
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 xvfb x11-utils
  fonts-dejavu-core culmus imagemagick tesseract-ocr tesseract-ocr-heb
  fonts-wine cups printer-driver-cups-pdf poppler-utils xclip libreoffice-writer-nogui
)
# Tools that may come from elsewhere than Debian's packages (a node.js
# distribution bringing its own npm, say) count as present when on the PATH.
declare -A command_of=([npm]=npm [cmake]=cmake [clang]=clang)
missing=()
for package in "${packages[@]}"; do
  if [ -n "${command_of[$package]:-}" ] && command -v "${command_of[$package]}" >/dev/null; then
    continue
  fi
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# The posix thread variant of MinGW is the one the build uses.
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "x86_64-w64-mingw32-g++-posix is missing" >&2
  exit 1
fi
