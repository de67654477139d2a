# A right double-click closes a normal titled window (Esc, then SC_CLOSE to
# its root), but not a console window nor the control program's "Quorvel"
# window carrying the marker; a window whose program has another window that
# no longer answers is closed without waiting on it; Wine's own notepad
# closes too.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
g_start_hooks

# g_double_right X Y: a right double-click, well apart from the previous one.
g_double_right() { sleep 0.6; e2e_move "$1" "$2"; sleep 0.1; xdotool click --repeat 2 --delay 80 3; sleep 0.3; }

# --- a normal titled window, clicked in its child: Esc to the child, close to the window
g_testwin plain --title "Close target" --child "Pane"
top=$G_TOP
g_double_right 300 250
g_expect_state found 0 10 --title "Close target" || e2e_fail "the window was not closed"
log=$(g_winlog plain)
e2e_file_has "$log" "child WM_KEYDOWN wParam=0x1b lParam=0x10001" || e2e_fail "no Esc down to the clicked window"
e2e_file_has "$log" "child WM_KEYUP wParam=0x1b lParam=0xc0010001" || e2e_fail "no Esc up to the clicked window"
e2e_file_has "$log" "top WM_SYSCOMMAND wParam=0xf060 lParam=0xffffffff" || e2e_fail "no SC_CLOSE to the root"
e2e_file_has "$log" "destroyed" || e2e_fail "not destroyed"
root_hex=$(printf '%x' "$top")
tr -d '\r' <"$G_LOG" | grep -q "^OK. double click right button, window [0-9a-f]*, rootwidnow: $root_hex$" ||
  e2e_fail "no close log line for root $root_hex"
e2e_file_has "$G_LOG" "Yes, can close window." || e2e_fail "no 'Yes, can close window.'"
e2e_file_has "$G_LOG" "Right button up : time : " || e2e_fail "no right-button-up line"

# --- a console window (by its class) stays
yes_before=$(g_log_count "Yes, can close window.")
g_testwin console --title "Console target" --class ConsoleWindowClass
ok_before=$(g_log_count "OK. double click right button")
g_double_right 300 250
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$G_LOG' | grep -c 'OK. double click right button') -gt $ok_before ]" ||
  e2e_fail "the double-click on the console was not recognised"
sleep 0.5
[ "$(g_state found --title "Console target")" = 1 ] || e2e_fail "the console window was closed"
[ "$(g_log_count "Yes, can close window.")" -eq "$yes_before" ] || e2e_fail "the console was found closable"
e2e_file_has "$(g_winlog console)" "WM_SYSCOMMAND wParam=0xf060" && e2e_fail "SC_CLOSE reached the console"
e2e_stop "$G_PID"

# --- a foreign window titled "Quorvel" without the marker closes; ours stays
g_testwin foreign --title "Quorvel"
g_double_right 300 250
g_expect_state found 0 10 --title "Quorvel" || e2e_fail "a foreign 'Quorvel' window was not closed"
g_testwin own --title "Quorvel" --userdata AAAAAAAA
ok_before=$(g_log_count "OK. double click right button")
g_double_right 300 250
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$G_LOG' | grep -c 'OK. double click right button') -gt $ok_before ]" ||
  e2e_fail "the double-click on our window was not recognised"
sleep 0.5
[ "$(g_state found --title "Quorvel")" = 1 ] || e2e_fail "the control program's window was closed"
e2e_stop "$G_PID"

# --- a program with a hung window of its own still gets its other window
# closed: deciding whether it may be closed reads every top-level title, and
# a title read that sent WM_GETTEXT to the hung thread would hang the hook
g_testwin hung --title "Close beside hung" --hung-window "Hung window"
e2e_file_has "$(g_winlog hung)" "hung window=" || e2e_fail "the hung window was not made"
g_double_right 300 250
g_expect_state found 0 10 --title "Close beside hung" ||
  e2e_fail "the window beside a hung one was not closed (the hook waited on the hung window?)"
e2e_stop "$G_PID"

# --- Wine's notepad (its edit control opens a context menu at the first click)
g_notepad
eval "$(xdotool search --onlyvisible --name "Untitled - Notepad" getwindowgeometry --shell | head -5)"
g_double_right $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
g_expect_state found 0 10 --title "Untitled - Notepad" || e2e_fail "notepad was not closed: $(g_probe --title "Untitled - Notepad")"
e2e_pass
