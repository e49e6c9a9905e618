#!/usr/bin/env bash
# Installs what Orvendel needs on Debian 12, and skips what is there already.
# Runs as root (or through sudo when available).
#   setup.sh reader   what building and running the reader needs; Xvfb and
#                     ImageMagick's import only without a display, where ./run
#                     opens the reader headless and takes a screenshot
#   setup.sh test     all that, and what the tests, benchmarks and fuzzing need
#                     (the default)
set -euo pipefail
reader_packages=(
  cmake make g++ libpugixml-dev npm ca-certificates
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 fonts-wine fonts-dejavu-core culmus
)
headless_packages=(xvfb imagemagick)
test_packages=(
  clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev x11-utils xclip unzip
  tesseract-ocr tesseract-ocr-heb cups printer-driver-cups-pdf poppler-utils libreoffice-writer-nogui
)
case "${1:-test}" in
  reader)
    packages=("${reader_packages[@]}")
    [ -n "${DISPLAY:-}" ] || packages+=("${headless_packages[@]}")
    ;;
  test) packages=("${reader_packages[@]}" "${headless_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [reader|test]" >&2
    exit 2
    ;;
esac
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
