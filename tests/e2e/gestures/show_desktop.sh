# A middle double-click shows the desktop, at most once per 1500 ms: the hook
# asks Quorvel.exe's main window, which opens "ShowDesktop.scf" from its
# own folder and starts "SetForegroundWindow.exe" with the taskbar's
# handle. Both are replaced here by a recorder that notes how it was
# started: the command file through a temporary shell association of ".scf"
# (gone for the next test, which starts with the prefix's own registry).
# Without Quorvel.exe's main window (the hooks alone) nothing is started.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
[ -f "$G_DIR/ShowDesktop.scf" ] || e2e_fail "ShowDesktop.scf is not installed beside system.dat"
grep -q "Command=ToggleDesktop" "$G_DIR/ShowDesktop.scf" || e2e_fail "ShowDesktop.scf does not toggle the desktop"
cp "$QUORVEL_BIN/gesture_recorder.exe" "$G_DIR/SetForegroundWindow.exe"
cp "$QUORVEL_BIN/gesture_recorder.exe" "$E2E_TMP/scfopen.exe"
SCF_CMD="\"$(e2e_winpath "$E2E_TMP")\\scfopen.exe\" \"%1\""
wine reg add 'HKCR\.scf' /ve /d QuorvelTestScf /f >/dev/null 2>&1
wine reg add 'HKCR\QuorvelTestScf\shell\open\command' /ve /d "$SCF_CMD" /f >/dev/null 2>&1
source "$(dirname "${BASH_SOURCE[0]}")/../control/control_lib.sh"

SCF_LOG="$E2E_TMP/scfopen.exe.log"
SFW_LOG="$G_DIR/SetForegroundWindow.exe.log"
starts() { if [ -f "$1" ]; then tr -d '\r' <"$1" | wc -l; else echo 0; fi; }

# --- the hooks without Quorvel.exe: asked, nothing is started
DRIVER=$(e2e_start "$QUORVEL_BIN/hookdriver.exe" "$(e2e_winpath "$G_DIR")" version marker start wait stopflag stop)
e2e_wait_file_has "$E2E_TMP/hookdriver.exe.out" "waiting" 30 || e2e_fail "the hook driver did not start"
g_testwin desk --title "Desktop target"
e2e_move 300 250; sleep 0.2
xdotool click --repeat 2 --delay 150 2
e2e_wait_file_has "$G_LOG" "No Quorvel main window: nothing started for request 1" 10 ||
  e2e_fail "the double-click did not ask for the desktop"
sleep 1.5
[ "$(starts "$SCF_LOG")$(starts "$SFW_LOG")" = 00 ] || e2e_fail "something was started without Quorvel.exe"
touch "$G_DIR/hookdriver.stop"   # the driver removes its hooks and ends
e2e_wait_until 10 bash -c "! kill -0 $DRIVER 2>/dev/null" || e2e_fail "the hook driver did not end"

# --- Quorvel.exe from the same folder
sleep 1.6
xdotool mousemove 1000 740
QUORVEL=$(e2e_start "$G_DIR/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "Quorvel did not start"
e2e_move 300 250; sleep 0.2
# three releases 150 ms apart: the second is a double-click and shows the
# desktop; the third is one too but within 1500 ms of that
xdotool click --repeat 3 --delay 150 2
e2e_wait_until 15 bash -c "[ -f '$SCF_LOG' ] && [ -f '$SFW_LOG' ]" ||
  e2e_fail "the show-desktop files were not started (scf: $(starts "$SCF_LOG"), program: $(starts "$SFW_LOG"))"
sleep 1
# (the driver's stop reset the record: Quorvel.exe's start began a new log)
[ "$(g_log_count "Middle button double clicked. Show desktop")" -eq 2 ] || e2e_fail "expected two double-clicks logged"
[ "$(starts "$SCF_LOG")" -eq 1 ] || e2e_fail "ShowDesktop.scf opened $(starts "$SCF_LOG") times within 1500 ms"
[ "$(starts "$SFW_LOG")" -eq 1 ] || e2e_fail "SetForegroundWindow.exe started $(starts "$SFW_LOG") times within 1500 ms"
want_scf="scfopen.exe|\"$(e2e_winpath "$G_DIR")\\ShowDesktop.scf\""
tr -d '\r' <"$SCF_LOG" | grep -qiF "$want_scf" || e2e_fail "the command file opened was '$(cat "$SCF_LOG")', want '$want_scf'"
tr -d '\r' <"$SFW_LOG" | grep -qE '^SetForegroundWindow\.exe\| ?[0-9]+$' ||
  e2e_fail "SetForegroundWindow.exe was not given a decimal handle: '$(cat "$SFW_LOG")'"

# later than 1500 ms: again
sleep 1.6
xdotool click --repeat 2 --delay 150 2
e2e_wait_until 15 bash -c "[ \$(tr -d '\r' <'$SFW_LOG' | wc -l) -ge 2 ]" || e2e_fail "no second show-desktop after 1500 ms"
e2e_wait_until 5 bash -c "[ \$(tr -d '\r' <'$SCF_LOG' | wc -l) -ge 2 ]" || e2e_fail "the command file was not opened again"
[ "$(g_log_count "Middle button double clicked. Show desktop")" -eq 3 ] || e2e_fail "expected three double-clicks logged"
e2e_pass
