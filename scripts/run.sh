#!/bin/bash
# Builds Quorvel and runs it under Wine on $DISPLAY, with a set of sample
# windows to try every shortcut on; the terminal tells what Quorvel did.
# Without a display it runs a scripted demonstration instead
# (scripts/demo.sh): on a private Xvfb display it performs every feature
# once and writes a report with screenshots to a folder it names at the end.
# The files are installed into build/install and Wine uses its own prefix in
# build/wine-prefix. The first run is a first start after installation: it
# offers the tutorial.
# Started again while Quorvel runs from here, it shows the running Quorvel
# (as a second start does) and leaves it running.
# Usage: scripts/run.sh [tutorial]   (tutorial: QuorvelTutorial.exe alone)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
INSTALL="$ROOT/build/install"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

if [ "${1:-}" = tutorial ] && [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'EOF'
run: the tutorial is a window to watch and click, and there is no display here
     ($DISPLAY is not set). Run it on a desktop, or log in with "ssh -X".
     Without a display, "bash scripts/run.sh" runs the demonstration instead:
     it shows the tutorial among every other feature and writes a report
     with screenshots.
EOF
  exit 2
fi

# A Quorvel started by an earlier run that still runs is left alone: its
# files are not rebuilt under it, and starting it again shows its panel.
PIDFILE="$INSTALL/.quorvel.pid"
quorvel_runs() {
  local pid
  pid=$(cat "$PIDFILE" 2>/dev/null) && kill -0 "$pid" 2>/dev/null &&
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qi 'Quorvel\.exe'
}
if [ "${1:-}" != tutorial ] && [ -n "${DISPLAY:-}" ] && quorvel_runs; then
  echo "run: Quorvel already runs from an earlier run: showing it (its Stop button ends it;"
  echo "     stop it before running a new build)"
  cd "$INSTALL" && exec wine Quorvel.exe
fi

bash "$ROOT/scripts/install-packages.sh"
source "$ROOT/scripts/wine-loader.sh"
quorvel_select_wine "$ROOT"
# The 64-bit build first: the 32-bit build's setup program takes its files.
BUILDS=(win64 win32)
ARCH=win32
if [ "$QUORVEL_WINE32" != 1 ]; then
  # Some machines run only 64-bit user code: run the 64-bit build there.
  BUILDS=(win64)
  ARCH=win64
  echo "run: this machine cannot run 32-bit programs: running the 64-bit build"
fi
bash "$ROOT/scripts/build.sh" "${BUILDS[@]}"
BIN="$ROOT/build/$ARCH/bin"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display: running the demonstration (about two minutes)"
  exec bash "$ROOT/scripts/demo.sh" "$BIN"
fi

if [ "${1:-}" = tutorial ]; then
  echo "run: starting QuorvelTutorial.exe (close its window to end)"
  cd "$INSTALL" && exec wine "$BIN/QuorvelTutorial.exe"
fi

mkdir -p "$INSTALL"
for f in system.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.exe QuorvelTutorial.exe Quorvel.chm; do
  [ -e "$BIN/$f" ] && cp "$BIN/$f" "$INSTALL/"
done
for f in system64.dat QuorvelHook64.exe; do
  [ -e "$ROOT/build/win64/bin/$f" ] && cp "$ROOT/build/win64/bin/$f" "$INSTALL/"
done
rm -f "$INSTALL/system2.dat" "$INSTALL/Nouse.dat"

if [ ! -f "$WINEPREFIX/.quorvel-installed" ]; then
  echo "run: preparing the Wine prefix (first run)"
  wineboot -i >/dev/null 2>&1 || true
  # What the installer does: the machine-wide key and the first-start mark.
  wine reg add 'HKLM\SOFTWARE\Harnwick\Quorvel' /v FirstStart /t REG_DWORD /d 1 /f >/dev/null 2>&1
  touch "$WINEPREFIX/.quorvel-installed"
fi
if [ ! -f "$WINEPREFIX/.quorvel-desktop" ]; then
  # One window of 1024 x 768 on the display holds Wine's desktop, with
  # window frames and a taskbar with a notification area, whatever the
  # display's window manager.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Quorvel /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Quorvel /d 1024x768 /f >/dev/null 2>&1
  touch "$WINEPREFIX/.quorvel-desktop"
fi

# What this run starts besides Quorvel ends with it (by process id).
STARTED=()
cleanup() { local p; for p in "${STARTED[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
SAMPLES="$ROOT/build/run-samples"
mkdir -p "$SAMPLES"
rm -f "$SAMPLES"/*.log
sample() {  # sample KEY TITLE X,Y,W,H [testwin options]: one of our sample windows
  local key=$1 title=$2 rect=$3; shift 3
  wine "${SAMPLE_PROGRAM:-$BIN/testwin.exe}" --title "$title" --rect "$rect" --no-foreground \
    --log "$(winepath -w "$SAMPLES")\\$key.log" "$@" >/dev/null 2>&1 &
  STARTED+=($!)
}

cd "$INSTALL"
echo "run: starting Quorvel.exe (its \"&Stop\" button, or Stop in its icon's menu, ends it)"
rm -f QuorvelLog.txt
wine Quorvel.exe &
QUORVEL=$!
echo "$QUORVEL" >"$PIDFILE"
for _ in $(seq 1 100); do [ -f QuorvelLog.txt ] && break; sleep 0.2; done
cp "$ROOT/scripts/run-samples.txt" "$SAMPLES/Try Quorvel.txt"
wine notepad "$(winepath -w "$SAMPLES/Try Quorvel.txt")" >/dev/null 2>&1 &
STARTED+=($!)
sleep 2
sample minmax "Middle-drag left / right" 730,0,290,175
sample close "Right double-click: close" 730,180,290,175
sample chord "Left + right together" 730,360,290,175
sample page "Browser page: right-drag" 0,545,505,190 --child "Internet Explorer_Server"
# Quorvel tells today's browsers by their program's file name.
cp "$BIN/testwin.exe" "$SAMPLES/msedge.exe"
SAMPLE_PROGRAM="$SAMPLES/msedge.exe" sample edge "Edge page: right-drag, hold the middle to scroll" 515,545,505,190 \
  --class Chrome_WidgetWin_1 --child Chrome_RenderWidgetHostHWND --child-rect 0,30,2000,2000

# What Quorvel recognised, from its debug log and what the sample page got.
tail -n +1 -F QuorvelLog.txt "$SAMPLES/page.log" "$SAMPLES/edge.log" 2>/dev/null > >(sed -u -n \
  -e 's/.*Detect Middle button drag left action.*/Quorvel: middle drag left: minimize/p' \
  -e 's/.*Detect Middle button drag right action.*/Quorvel: middle drag right: maximize or restore/p' \
  -e 's/.*Middle button double clicked.*/Quorvel: middle double-click: show the desktop/p' \
  -e 's/.*Yes, can close window.*/Quorvel: right double-click: close/p' \
  -e 's/.*Detect mouse move leftward.*/Quorvel: right drag left over a page: back/p' \
  -e 's/.*Detect mouse move rightward.*/Quorvel: right drag right over a page: forward/p' \
  -e 's/.*Detect mouse move upward.*/Quorvel: right drag up over a page: the address/p' \
  -e 's/.*Detect mouse move downward.*/Quorvel: right drag down over a page: stop/p' \
  -e 's/.*User draw a circle.*/Quorvel: a circle: a new browser window/p' \
  -e 's/.*Middle button held over page.*/Quorvel: middle button held over a page: drag to scroll/p' \
  -e 's/.*XXX move cursor.*/Quorvel: Smart Move: the pointer goes where you clicked last time/p' \
  -e 's/.*XXX Click in Dialog.*/Quorvel: Smart Move remembers where you clicked in this dialog box/p' \
  -e 's/^child WM_SYSKEYDOWN wParam=0x25 .*/a sample page got Alt+Left (back)/p' \
  -e 's/^child WM_SYSKEYDOWN wParam=0x27 .*/a sample page got Alt+Right (forward)/p' \
  -e 's/^child WM_KEYDOWN wParam=0x1b .*/a sample page got Esc (stop)/p' \
  -e 's/^child WM_KEYDOWN wParam=0x4f .*/the Internet Explorer page got Ctrl+O (the address)/p' \
  -e 's/^child WM_KEYDOWN wParam=0x4c .*/the Edge page got Ctrl+L (the address)/p') &
STARTED+=($!)
wait "$QUORVEL" || true
rm -f "$PIDFILE"
echo "run: Quorvel has ended"
