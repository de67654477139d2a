# Pressing left and right together, then releasing both, gives the Alt+Tab
# keystrokes. Of the chord the program under the pointer sees the first press
# and, at the second release, the release of that same button at the
# pointer's place in its client area. A chord begun with the right button
# over a browser page leaves no drag armed: the page sees nothing of it and a
# later right click elsewhere is an ordinary click, with no keystroke.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
g_start_hooks

# buttons LOG: the button messages of the window log, one per line, without positions
buttons() { tr -d '\r' <"$1" | grep -E 'BUTTON(DOWN|UP|DBLCLK)' | sed 's/ x=.*//'; }
keys() { tr -d '\r' <"$1" | sed -n 's/^\(top\|child\) WM_\(SYS\)\{0,1\}KEYDOWN wParam=\(0x[0-9a-f]*\) .*/\3/p' | tr '\n' ' '; }
# lparam X Y: client coordinates packed as in a mouse message
lparam() { printf '0x%x' $(( (($2 & 0xffff) << 16) | ($1 & 0xffff) )); }
# chord FIRST SECOND X Y: presses FIRST then SECOND at (X, Y), moves 20 right
# and 10 down, releases FIRST then SECOND
chord() {
  sleep 0.6; e2e_move "$3" "$4"; sleep 0.2
  xdotool mousedown "$1"; sleep 0.1; xdotool mousedown "$2"; sleep 0.1
  e2e_move $(( $3 + 20 )) $(( $4 + 10 )); sleep 0.1
  xdotool mouseup "$1"; sleep 0.1; xdotool mouseup "$2"
}
wait_tab() { e2e_wait_until 10 bash -c "tr -d '\r' <'$1' | grep -q 'KEYDOWN wParam=0x9 '"; }

g_testwin chord --title "Chord target"
log=$(g_winlog chord)
eval "$(g_probe --hwnd "$G_TOP" | sed -n 's/.* client=\([-0-9]*\),\([-0-9]*\).*/cx=\1; cy=\2/p')"

# left first, the natural roll: the left release comes where the pointer is
chord 1 3 300 250
wait_tab "$log" || e2e_fail "no Tab arrived"
got=$(buttons "$log" | tr '\n' '|')
want="top WM_LBUTTONDOWN wParam=0x1 lParam=$(lparam $((300 - cx)) $((250 - cy)))|top WM_LBUTTONUP wParam=0x0 lParam=$(lparam $((320 - cx)) $((260 - cy)))|"
[ "$got" = "$want" ] || e2e_fail "button messages: got '$got', want '$want'"
[ "$(keys "$log")" = "0x12 0x9 " ] || e2e_fail "keys: got '$(keys "$log")', want Alt, Tab"

# the other way round: right first, then left; the right release is posted
: >"$log"
chord 3 1 300 250
wait_tab "$log" || e2e_fail "no Tab for the right-first chord"
got=$(buttons "$log" | tr '\n' '|')
want="top WM_RBUTTONDOWN wParam=0x2 lParam=$(lparam $((300 - cx)) $((250 - cy)))|top WM_RBUTTONUP wParam=0x0 lParam=$(lparam $((320 - cx)) $((260 - cy)))|"
[ "$got" = "$want" ] || e2e_fail "right-first chord: got '$got', want '$want'"

# a plain left click is untouched
sleep 0.6
: >"$log"
xdotool click 1
e2e_wait_file_has "$log" "top WM_LBUTTONUP wParam=0x0 lParam=0x" 10 || e2e_fail "a plain click did not arrive"
[ "$(buttons "$log" | wc -l)" -eq 2 ] || e2e_fail "a plain click: $(buttons "$log")"
[ -z "$(keys "$log")" ] || e2e_fail "a plain click gave keys"

# over a browser page: left first, the page sees the press and its release
g_testwin ie --title "IE page" --child "Internet Explorer_Server" --rect 550,100,400,300
ielog=$(g_winlog ie)
eval "$(g_probe --hwnd "$G_CHILD" | sed -n 's/.* client=\([-0-9]*\),\([-0-9]*\).*/px=\1; py=\2/p')"
: >"$log"
chord 1 3 700 250
wait_tab "$ielog" || wait_tab "$log" || e2e_fail "no Tab for the chord over the page"
got=$(buttons "$ielog" | tr '\n' '|')
want="child WM_LBUTTONDOWN wParam=0x1 lParam=$(lparam $((700 - px)) $((250 - py)))|child WM_LBUTTONUP wParam=0x0 lParam=$(lparam $((720 - px)) $((260 - py)))|"
[ "$got" = "$want" ] || e2e_fail "left-first chord over the page: got '$got', want '$want'"

# right first over the page: swallowed whole, and no drag stays armed
: >"$ielog"; : >"$log"
chord 3 1 700 250
wait_tab "$ielog" || wait_tab "$log" || e2e_fail "no Tab for the right-first chord over the page"
[ -z "$(buttons "$ielog")" ] || e2e_fail "the page saw part of a chord: $(buttons "$ielog" | tr '\n' '|')"
: >"$ielog"; : >"$log"
sleep 0.6; e2e_move 300 250; sleep 0.2; xdotool click 3
e2e_wait_file_has "$log" "top WM_RBUTTONUP wParam=0x0" 10 || e2e_fail "the later right click did not arrive"
sleep 1
[ -z "$(keys "$log")$(keys "$ielog")" ] || e2e_fail "a right click after the chord gave keys: $(keys "$log")$(keys "$ielog")"
e2e_file_has "$G_LOG" "Right button drag." && e2e_fail "a chord left a drag armed"
e2e_pass
