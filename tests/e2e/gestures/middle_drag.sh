# A middle drag of 30 px left minimizes the window under the cursor, 30 px
# right maximizes it and again restores it; a window without the boxes does
# not change. Against our test window and Wine's own notepad.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
g_start_hooks

# --- our test window (400x300 at 100,100)
g_testwin app --title "Gesture target"
g_drag 2 300 250 270 250
g_expect_state iconic 1 10 --title "Gesture target" || e2e_fail "30 px left did not minimize: $(g_probe --title "Gesture target")"
e2e_file_has "$G_LOG" "Detect Middle button drag left action" || e2e_fail "no left-drag log line"
e2e_file_has "$G_LOG" "Action : 1, Has post messge to window : " || e2e_fail "no action log line"
tr -d '\r' <"$G_LOG" | grep -q "^Middle button drag, time diff : [0-9]* ms, x diff : -30$" || e2e_fail "no drag line with x diff -30"

# --- a window with both boxes: maximize, then restore
g_testwin big --title "Sizable target" --rect 150,150,300,200
g_drag 2 300 250 330 250
g_expect_state zoomed 1 10 --title "Sizable target" || e2e_fail "30 px right did not maximize: $(g_probe --title "Sizable target")"
e2e_file_has "$G_LOG" "Detect Middle button drag right action" || e2e_fail "no right-drag log line"
g_drag 2 310 260 340 260  # not where the last drag ended: that would be a middle double-click
g_expect_state zoomed 0 10 --title "Sizable target" || e2e_fail "30 px right again did not restore"
[ "$(g_state iconic --title "Sizable target")" = 0 ] || e2e_fail "restore left the window iconic"

# --- a window without minimize and maximize boxes: nothing changes
g_testwin nobox --title "Boxless target" --style 00C80000 --rect 500,300,300,200
before=$(g_probe --title "Boxless target")
n=$(g_log_count "Has post messge to window")
g_drag 2 650 400 620 400
g_drag 2 650 420 680 420
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$G_LOG' | grep -c 'Has post messge to window') -ge $((n + 2)) ]" ||
  e2e_fail "the boxless drags were not both logged"
sleep 0.5
after=$(g_probe --title "Boxless target")
[ "$before" = "$after" ] || e2e_fail "boxless window changed: '$before' -> '$after'"

# --- a drag of 20 px is no drag
n=$(g_log_count "Has post messge to window")
g_drag 2 650 440 670 440
e2e_wait_until 5 bash -c "tr -d '\r' <'$G_LOG' | grep -q 'x diff : 20$'" || e2e_fail "20 px drag not logged"
[ "$(g_log_count "Has post messge to window")" -eq "$n" ] || e2e_fail "a 20 px drag acted"

# --- Wine's notepad: the middle press is swallowed there, the gesture still works
g_notepad
title=$(xdotool search --onlyvisible --name "Notepad" getwindowname 2>/dev/null | head -1)
geom=$(xdotool search --onlyvisible --name "Notepad" getwindowgeometry --shell 2>/dev/null | head -5)
eval "$geom"
cx=$(( X + WIDTH / 2 )); cy=$(( Y + HEIGHT / 2 ))
e2e_log "notepad '$title' at $X,$Y ${WIDTH}x$HEIGHT"
g_drag 2 "$cx" "$cy" $(( cx + 30 )) "$cy"
g_expect_state zoomed 1 10 --title "$title" || e2e_fail "notepad not maximized: $(g_probe --title "$title")"
g_drag 2 500 400 470 400
g_expect_state iconic 1 10 --title "$title" || e2e_fail "notepad not minimized: $(g_probe --title "$title")"
e2e_pass
