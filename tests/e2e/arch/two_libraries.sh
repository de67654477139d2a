# Quorvel.exe (32-bit) with QuorvelHook64.exe and system64.dat beside it, in
# a 64-bit prefix: the helper starts after Quorvel's own hooks; in 64-bit
# programs a middle drag minimizes, a right double-click closes, Smart Move
# glides into a dialog, Cursor Go Away and the wheel work; a pause set
# through the 32-bit library quiets the 64-bit hooks (one shared record);
# Stop removes both sets of hooks, resets the record once and ends the helper.
# A helper ended by force is started again within a few seconds and the
# 64-bit programs are reached again (Wine keeps a killed program's global
# hooks, so there the loss itself does not show; this comes last for that).
#
# Wine 8 runs a global hook chain only up to the first hook whose DLL cannot
# be loaded into the process (it neither skips it nor calls it in its owner's
# thread as Windows does), so with both sets installed 32-bit programs see
# the newer 64-bit hooks and nothing behind them. Under Wine only the 64-bit
# side can be shown with both sets in place; the 32-bit side alone is what
# the other end-to-end tests show. (For that reason Quorvel.exe starts the
# helper under Wine only when QUORVEL_HOOK64_UNDER_WINE is 1.)
source "$QUORVEL_E2E_LIB"
[ "${QUORVEL_ARCH:-i686}" = x86_64 ] && { echo "runs from the 32-bit build"; exit 77; }
BIN64="${QUORVEL_BIN64:-$QUORVEL_BIN/../../win64/bin}"
[ -f "$BIN64/system64.dat" ] && [ -f "$BIN64/QuorvelHook64.exe" ] || { echo "no 64-bit build at $BIN64"; exit 77; }
e2e_begin
[ -d "$WINEPREFIX/drive_c/windows/syswow64" ] || e2e_fail "the prefix is not a 64-bit one"
source "$(dirname "${BASH_SOURCE[0]}")/../gestures/gestures_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../control/control_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/arch_lib.sh"

ctl_install_app
cp "$BIN64/system64.dat" "$BIN64/QuorvelHook64.exe" "$APP/"
G_LOG="$APP/QuorvelLog.txt"
e2e_reg_set_dword Setting 0xFFFF
xdotool mousemove 1000 740

export QUORVEL_HOOK64_UNDER_WINE=1
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "Quorvel did not start"
e2e_wait_until 10 a_helper_running || e2e_fail "QuorvelHook64.exe was not started"
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$G_LOG' | grep -c '^Leave function start') -ge 2 ]" ||
  e2e_fail "the 64-bit hooks were not started"

# --- 64-bit windows are reached: a middle drag left minimizes, a right
# double-click closes
a_testwin 64 w64 --title "Target 64" --rect 540,100,400,300
g_drag 2 800 250 760 250
g_expect_state iconic 1 10 --title "Target 64" || e2e_fail "the 64-bit window was not minimized"
e2e_file_has "$G_LOG" "Detect Middle button drag left action" || e2e_fail "no drag line from the 64-bit library"
g_double_right() { sleep 0.6; e2e_move "$1" "$2"; sleep 0.1; xdotool click --repeat 2 --delay 80 3; sleep 0.3; }
a_testwin 64 c64 --title "Close 64" --rect 540,100,400,300
g_double_right 740 250
g_expect_state found 0 10 --title "Close 64" || e2e_fail "the 64-bit window was not closed"

# --- one record: pausing through the 32-bit library quiets the 64-bit hooks
a_testwin 64 p64 --title "Pause 64" --rect 540,100,400,300
e2e_run "$QUORVEL_BIN/hookdriver.exe" "$APPWIN" pause >/dev/null
g_drag 2 800 250 760 250
sleep 1
[ "$(g_state iconic --title "Pause 64")" = 0 ] || e2e_fail "the 64-bit hooks acted while paused"
e2e_run "$QUORVEL_BIN/hookdriver.exe" "$APPWIN" resume >/dev/null
g_drag 2 800 260 760 260
g_expect_state iconic 1 10 --title "Pause 64" || e2e_fail "the 64-bit hooks did not resume"

# --- Smart Move glides into a 64-bit dialog
xdotool mousemove 20 700
OUT="$E2E_TMP/wh_dialog.exe.out"
a_program 64 wh_dialog >/dev/null
e2e_wait_file_has "$OUT" "dialog=" 30 || e2e_fail "the 64-bit dialog did not open"
read -r BL BT BR BB < <(tr -d '\r' <"$OUT" | sed -n 's/^dialog=[0-9a-f]* rect=.* button=\(.*\),\(.*\),\(.*\),\(.*\)$/\1 \2 \3 \4/p' | tail -1)
wh_wait_pointer $(( BL + 3 * (BR - BL) / 4 )) $(( BT + 2 * (BB - BT) / 3 )) 10 ||
  e2e_fail "Smart Move did not glide into the 64-bit dialog"
e2e_stop "${E2E_PIDS[-1]}"

# --- Cursor Go Away in a 64-bit edit
OUT="$E2E_TMP/wh_edit.exe.out"
a_program 64 wh_edit >/dev/null
e2e_wait_file_has "$OUT" "ready caret=" 30 || e2e_fail "the 64-bit edit window did not start"
read -r CX CY < <(tr -d '\r' <"$OUT" | sed -n 's/^ready caret=\(.*\),\(.*\)$/\1 \2/p')
PX=$(( CX + 3 )); PY=$(( CY + 3 ))
xdotool mousemove "$PX" "$PY"; sleep 0.3; xdotool click 1; sleep 0.3
xdotool key a
e2e_wait_file_has "$OUT" "typed 97" 10 || e2e_fail "the 64-bit edit got no character"
wh_wait_pointer $(( PX + 40 )) $(( PY + 40 )) 5 || e2e_fail "Cursor Go Away did not act in the 64-bit window"
e2e_stop "${E2E_PIDS[-1]}"

# --- the wheel in 64-bit windows: the window under the pointer gets the turn
OUT="$E2E_TMP/wh_windows.exe.out"
a_program 64 wh_windows "WH sibling" 50 50 300 200 "WH focused" 50 50 300 200 >/dev/null
e2e_wait_file_has "$OUT" "ready" 30 || e2e_fail "the 64-bit wheel windows did not start"
: >"$OUT"
xdotool mousemove 200 150; sleep 0.3; xdotool click 1; sleep 0.3
xdotool key m
e2e_wait_file_has "$OUT" "WH focused waits for a wheel turn" 5 || e2e_fail "the focused window did not get the key"
xdotool click 5
e2e_wait_file_has "$OUT" "WH sibling wheel delta=-120" 10 || e2e_fail "Just Wheel It did not act in the 64-bit window"
e2e_stop "${E2E_PIDS[-1]}"

# --- Stop: both sets of hooks go, the helper ends, the record is reset once
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
ctl_click Quorvel "&Stop" || e2e_fail "no Stop button"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "Stop did not end the program"
for i in $(seq 50); do a_helper_running || break; sleep 0.1; done
a_helper_running && e2e_fail "the helper did not end"
for line in "Successfully remove call ret routine" "Successfully remove get mouse message routine" \
            "Successfully remove getmessage routine"; do
  [ "$(e2e_count_in_file "$G_LOG" "$line")" = 2 ] || e2e_fail "'$line' not twice"
done
e2e_file_has "$G_LOG" "The other library's hooks are still installed: shared state kept" ||
  e2e_fail "the helper's stop reset the shared record"
a_testwin 64 after --title "After 64" --rect 540,100,400,300
g_drag 2 800 250 760 250
sleep 1
[ "$(g_state iconic --title "After 64")" = 0 ] || e2e_fail "a 64-bit hook still acts after Stop"

# --- a helper ended by force is started again
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "Quorvel did not start again"
e2e_wait_until 10 a_helper_running || e2e_fail "QuorvelHook64.exe was not started again"
first=$(a_helper_pid)
starts=$(e2e_count_in_file "$G_LOG" "Leave function start")
kill -9 "$first"
e2e_wait_until 5 bash -c "[ -n \"\$(pgrep -f '$(basename "$E2E_TMP").app.QuorvelHook6[4]')\" ] && [ \"\$(pgrep -f '$(basename "$E2E_TMP").app.QuorvelHook6[4]')\" != $first ]" ||
  e2e_fail "the helper ended by force was not started again"
e2e_wait_until 5 bash -c "[ \$(tr -d '\r' <'$G_LOG' | grep -c '^Leave function start') -gt $starts ]" ||
  e2e_fail "the restarted helper did not install its hooks"
a_testwin 64 again --title "Again 64" --rect 540,100,400,300
g_drag 2 800 250 760 250
g_expect_state iconic 1 10 --title "Again 64" || e2e_fail "64-bit windows were not reached after the restart"
e2e_pass
