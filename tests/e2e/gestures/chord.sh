# Pressing left and right together, then releasing both, gives the Alt+Tab
# keystrokes; of the chord the program sees only the first press and the
# release posted at the second release (wParam 0, lParam 0).
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
g_start_hooks

# buttons LOG: the button messages of the window log, one per line, without positions
buttons() { tr -d '\r' <"$1" | grep -E 'BUTTON(DOWN|UP|DBLCLK)' | sed 's/ x=.*//'; }
keys() { tr -d '\r' <"$1" | sed -n 's/^\(top\|child\) WM_\(SYS\)\{0,1\}KEYDOWN wParam=\(0x[0-9a-f]*\) .*/\3/p' | tr '\n' ' '; }

g_testwin chord --title "Chord target"
log=$(g_winlog chord)
e2e_move 300 250; sleep 0.2
xdotool mousedown 1; sleep 0.1; xdotool mousedown 3; sleep 0.1
xdotool mouseup 1; sleep 0.1; xdotool mouseup 3
e2e_wait_until 10 bash -c "tr -d '\r' <'$log' | grep -q 'KEYDOWN wParam=0x9 '" || e2e_fail "no Tab arrived"
got=$(buttons "$log" | tr '\n' '|')
want="top WM_LBUTTONDOWN wParam=0x1 lParam=$(tr -d '\r' <"$log" | sed -n 's/^top WM_LBUTTONDOWN wParam=0x1 lParam=\(0x[0-9a-f]*\).*/\1/p' | head -1)|top WM_RBUTTONUP wParam=0x0 lParam=0x0|"
[ "$got" = "$want" ] || e2e_fail "button messages: got '$got', want '$want'"
[ "$(keys "$log")" = "0x12 0x9 " ] || e2e_fail "keys: got '$(keys "$log")', want Alt, Tab"

# the other way round: right first, then left; the left release is posted
sleep 0.6
: >"$log"
xdotool mousedown 3; sleep 0.1; xdotool mousedown 1; sleep 0.1
xdotool mouseup 3; sleep 0.1; xdotool mouseup 1
e2e_wait_until 10 bash -c "tr -d '\r' <'$log' | grep -q 'KEYDOWN wParam=0x9 '" || e2e_fail "no Tab for the right-first chord"
got=$(buttons "$log" | sed 's/ lParam=0x[0-9a-f]*$//;' | tr '\n' '|')
[ "$got" = "top WM_RBUTTONDOWN wParam=0x2|top WM_LBUTTONUP wParam=0x0|" ] || e2e_fail "right-first chord: got '$got'"
e2e_file_has "$log" "top WM_LBUTTONUP wParam=0x0 lParam=0x0" || e2e_fail "the posted left release is not (0, 0)"

# a plain left click is untouched
sleep 0.6
: >"$log"
xdotool click 1
e2e_wait_file_has "$log" "top WM_LBUTTONUP wParam=0x0 lParam=0x" 10 || e2e_fail "a plain click did not arrive"
[ "$(buttons "$log" | wc -l)" -eq 2 ] || e2e_fail "a plain click: $(buttons "$log")"
[ -z "$(keys "$log")" ] || e2e_fail "a plain click gave keys"
e2e_pass
