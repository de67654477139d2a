#!/bin/bash
# Installs what building, running and testing Quorvel needs on Debian 12.
# Safe to run again: it installs only what is missing.
set -euo pipefail

PACKAGES=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
          mingw-w64 wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick
          nsis fp-utils zip libchm-bin python3)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-packages: everything is installed"
  exit 0
fi
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "install-packages: installing ${missing[*]}"
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
# wine32 brings the 32-bit loader; make sure `wine` finds it.
command -v wine >/dev/null || { echo "install-packages: wine missing after install" >&2; exit 1; }
echo "install-packages: done"
