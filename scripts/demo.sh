#!/bin/bash
# A scripted demonstration of Quorvel for a machine without a display: on a
# private Xvfb display and Wine prefix it starts Quorvel, opens our sample
# windows, performs each shortcut once with xdotool, shows the tutorial, the
# control panel, the settings and the help, and writes a one-page report
# (index.html: before/after screenshots and one line per feature saying what
# happened) and a contact sheet (contact-sheet.png) into a folder it names at
# the end. It ends by itself in two or three minutes.
# Usage: scripts/demo.sh BIN_FOLDER   (the built binaries and test programs)
# Environment: DEMO_WORK (default build/demo), WINEPREFIX (default DEMO_WORK/prefix).
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export QUORVEL_BIN="$(cd "${1:?usage: demo.sh BIN_FOLDER}" && pwd)"
DEMO_WORK="${DEMO_WORK:-$ROOT/build/demo}"
export QUORVEL_E2E_WORK="$DEMO_WORK"
export WINEPREFIX="${WINEPREFIX:-$DEMO_WORK/prefix}"
unset E2E_DISPLAY
source "$ROOT/tests/e2e/lib/e2e.sh"
source "$ROOT/tests/e2e/control/control_lib.sh"
source "$ROOT/scripts/demo-lib.sh"
e2e_fail() { e2e_log "demo stopped: $*"; exit 1; }
e2e_begin
ctl_ctrl_alt_fkeys
REPORT="$DEMO_WORK/report-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$REPORT"
: >"$REPORT/steps.txt"
APP=$DEMO_WORK/app
rm -rf "$APP"; e2e_install "$APP"
[ -f "$APP/Quorvel.exe" ] || e2e_fail "Quorvel.exe is not built in $QUORVEL_BIN"
LOG=$APP/QuorvelLog.txt
# As after an installation: every feature on, the tutorial to be offered.
e2e_reg_set_dword FirstStart 1
# Wine draws the windows' frames itself on a desktop of its own (there is no
# window manager on the private display).
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Demo /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Demo /d "${E2E_SCREEN_W}x${E2E_SCREEN_H}" /f >/dev/null 2>&1
trap 'wine reg delete "HKCU\Software\Wine\Explorer" /v Desktop /f >/dev/null 2>&1; e2e_cleanup' EXIT
wine reg delete 'HKCU\Software\Harnwick\Quorvel' /f >/dev/null 2>&1
e2e_log "report folder: $REPORT"

# --- Start: the start animation, the tutorial offer, the tutorial.
xdotool mousemove 1000 740
demo_shot start-before
QUORVEL=$(cd "$APP" && e2e_start "$APP/Quorvel.exe")
if e2e_wait_window "Quorvel is starting" 20 >/dev/null; then
  sleep 1; demo_shot start-after
  demo_row "Start animation" "Quorvel started: its window counted dots (\"Quorvel is starting . .\"), then shrank away." start-before start-after
else
  demo_shot start-after
  demo_row "Start animation" "NOT SEEN: no start animation within 20 s." start-before start-after
fi
offered() { ctl_probe form Quorvel | grep -qF '|The following tutorial will teach you'; }
if e2e_wait_until 20 offered; then
  demo_shot tutorial-before
  ctl_click Quorvel OK
  if e2e_wait_window "Quorvel Shortcuts Tutorial" 20 >/dev/null; then
    sleep 1
    demo_tutorial_operation 6
    sleep 4; demo_shot tutorial-after
    demo_row "Shortcuts tutorial" "Offered on the first start; after OK the tutorial window opened and animated a shortcut." tutorial-before tutorial-after
    ctl_probe close "Quorvel Shortcuts Tutorial" >/dev/null
  else
    demo_shot tutorial-after
    demo_row "Shortcuts tutorial" "Offered, but the tutorial window did not open." tutorial-before tutorial-after
  fi
else
  demo_shot tutorial-before
  demo_row "Shortcuts tutorial" "NOT SEEN: the first start did not offer the tutorial." start-after tutorial-before
fi
ctl_wait_animation_done >/dev/null 2>&1

# --- Sample windows: ours.
demo_window one "Sample window 1" 40,60,300,200
demo_window two "Sample window 2" 380,60,300,200
demo_window three "Sample window 3" 720,60,280,200
demo_window page "Sample browser page" 40,300,560,440 --child "Internet Explorer_Server"
sleep 1
# Smart Move first: the address-dialog gesture below centres the next dialog on the pointer.
demo_smart_move

demo_gesture "Minimize" "middle-button drag to the left over Sample window 1" \
  "g 2 190 160 110 160" "state iconic 1 Sample window 1"
demo_gesture "Maximize / restore" "middle-button drag to the right over Sample window 2" \
  "g 2 480 160 560 160" "state zoomed 1 Sample window 2"
demo_gesture "Restore" "the same drag again over the maximized window" \
  "g 2 480 200 560 200" "state zoomed 0 Sample window 2"
demo_gesture "Close" "right-button double-click over Sample window 3" \
  "d 3 860 160" "state found 0 Sample window 3"
demo_gesture "Switch to last application" "left and right button pressed together over Sample window 2" \
  "c 600 200" "key two 0x9 Alt+Tab"
demo_gesture "Show desktop" "middle-button double-click" \
  "d 2 600 200" "log Middle button double clicked. Show desktop"
xdotool mousemove 320 700; sleep 0.3; xdotool click 1   # the page takes the keyboard
demo_gesture "Browser: go back" "right-button drag to the left over the page" \
  "g 3 360 520 280 520" "key page 0x25 Alt+Left"
demo_gesture "Browser: go forward" "right-button drag to the right over the page" \
  "g 3 280 520 360 520" "key page 0x27 Alt+Right"
demo_gesture "Browser: stop" "right-button drag downward over the page" \
  "g 3 320 460 320 540" "key page 0x1b Esc"
demo_gesture "Browser: open address" "right-button drag upward over the page" \
  "g 3 320 580 320 500" "key page 0x4f Ctrl+O"
demo_gesture "Browser: new browser (circle)" "a large circle drawn with the pointer" \
  "o" "log OK, User draw a circle."
wine taskkill /f /im iexplore.exe >/dev/null 2>&1   # the browser the circle started
demo_cursor_go_away
demo_just_wheel_it
demo_hotkey "Auto click" "ctrl+alt+F11" "Form1" "the auto-click box (\"Click\")"
demo_hotkey "Task switcher" "ctrl+alt+F10" "Easy task switcher" "the task switcher"
demo_row "Rest reminder" "Runs in the background: it counts keys, clicks and minutes and slides a notice into the corner after an hour of work; not waited for in this short demo." "" ""
# Today's browsers: a page window as Edge's, in a program named msedge.exe.
demo_window_as msedge.exe edge "Sample Edge page" 620,300,380,440 \
  --class Chrome_WidgetWin_1 --child Chrome_RenderWidgetHostHWND --child-rect 0,60,2000,2000
demo_gesture "Browser (Edge): open address" "right-button drag upward over an Edge page" \
  "g 3 810 640 810 560" "key edge 0x4c Ctrl+L"
demo_gesture "Drag to scroll" "middle button held still over the Edge page, then dragged down" \
  "h 810 480 810 560" "wheel edge"
for w in one two page edge; do e2e_stop "$(demo_pid $w)"; done
demo_forms
demo_stop
demo_report
echo "demo: the report is in $REPORT (index.html, contact-sheet.png)"
