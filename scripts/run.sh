#!/bin/bash
# Builds Quorvel and runs it under Wine on $DISPLAY. Without a display it
# runs a scripted demonstration instead (scripts/demo.sh): on a private Xvfb
# display it performs every feature once and writes a report with
# screenshots to a folder it names at the end. The files are installed into
# build/install and Wine uses its own prefix in build/wine-prefix.
# The first run is a first start after installation: it offers the tutorial.
# Usage: scripts/run.sh [tutorial]   (tutorial: run QuorvelTutorial.exe alone)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/install-packages.sh"
source "$ROOT/scripts/wine-loader.sh"
quorvel_select_wine "$ROOT"
ARCH=win32
if [ "$QUORVEL_WINE32" != 1 ]; then
  # Some machines run only 64-bit user code: run the 64-bit build there.
  ARCH=win64
  echo "run: this machine cannot run 32-bit programs: running the 64-bit build"
fi
bash "$ROOT/scripts/build.sh" "$ARCH"
BIN="$ROOT/build/$ARCH/bin"
if [ -z "${DISPLAY:-}" ] && [ "${1:-}" != tutorial ]; then
  echo "run: no display: running the demonstration (about two minutes)"
  exec bash "$ROOT/scripts/demo.sh" "$BIN"
fi
INSTALL="$ROOT/build/install"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

mkdir -p "$INSTALL"
for f in system.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.exe QuorvelTutorial.exe Quorvel.chm; do
  [ -e "$BIN/$f" ] && cp "$BIN/$f" "$INSTALL/"
done
rm -f "$INSTALL/system2.dat" "$INSTALL/Nouse.dat"

XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
  # The tutorial alone, without a display: on a private Xvfb display.
  for n in $(seq 50 200); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  sleep 1
  echo "run: no display; the tutorial runs on the private Xvfb display $DISPLAY"
fi
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; wineserver -k 2>/dev/null || true; }
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/.quorvel-installed" ]; then
  echo "run: preparing the Wine prefix (first run)"
  wineboot -i >/dev/null 2>&1 || true
  # What the installer does: the machine-wide key and the first-start mark.
  wine reg add 'HKLM\SOFTWARE\Harnwick\Quorvel' /v FirstStart /t REG_DWORD /d 1 /f >/dev/null 2>&1
  touch "$WINEPREFIX/.quorvel-installed"
fi

cd "$INSTALL"
if [ "${1:-}" = tutorial ]; then
  echo "run: starting QuorvelTutorial.exe (close its window to end)"
  wine QuorvelTutorial.exe
elif [ -f Quorvel.exe ]; then
  echo "run: starting Quorvel.exe (its \"&Stop\" button ends it; start it again to show it)"
  wine Quorvel.exe
else
  echo "run: the control program is not built yet: loading the library with the test driver"
  wine "$BIN/hookdriver.exe" "$(winepath -w "$INSTALL")"
fi
