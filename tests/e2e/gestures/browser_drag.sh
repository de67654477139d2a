# Over a child window of class "Internet Explorer_Server", right drags left,
# right, down and up give Alt+Left, Alt+Right, Esc and Ctrl+O to the focused
# window and the page never sees the right button; a short right click
# reaches the page as a replayed press and release at the right client
# coordinates (negative ones packed as signed 16-bit values). Over
# "MozillaWindowClass" the upward drag gives Ctrl+L, as over Chromium-shaped
# windows in msedge.exe; in Code.exe, an editor, the same get right drags
# untouched. A drag whose end the gesture logic does not see as one
# (released on the browser's caption, over an excluded program, while
# paused) leaves nothing armed: the next plain right click elsewhere arrives
# as press and release, and no keystroke is sent.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
g_start_hooks

# count_in LOG TEXT: lines of the window log holding TEXT
count_in() { e2e_count_in_file "$1" "$2"; }
# expect_keys LOG VK...: each virtual key arrives as a key press (WM_KEYDOWN or WM_SYSKEYDOWN), in that order
expect_keys() {
  local log=$1; shift
  e2e_wait_until 10 bash -c "tr -d '\r' <'$log' | grep -q 'KEYDOWN wParam=$(printf '0x%x' "${@: -1}") '" ||
    e2e_fail "key $(printf '0x%x' "${@: -1}") did not arrive"
  local got want
  got=$(tr -d '\r' <"$log" | sed -n 's/^child WM_\(SYS\)\{0,1\}KEYDOWN wParam=\(0x[0-9a-f]*\) .*/\2/p' | tr '\n' ' ')
  want=$(printf '0x%x ' "$@")
  [ "$got" = "$want" ] || e2e_fail "key presses: got '$got', want '$want'"
}

g_testwin ie --title "IE page" --child "Internet Explorer_Server" --rect 100,100,500,400
ielog=$(g_winlog ie)
eval "$(g_probe --hwnd "$G_CHILD" | sed -n 's/.* client=\([-0-9]*\),\([-0-9]*\).*/cx=\1; cy=\2/p')"
e2e_log "page client area at $cx,$cy"


g_drag 3 350 300 310 300        # left: Alt+Left
expect_keys "$ielog" 0x12 0x25
g_drag 3 350 300 390 305        # right: Alt+Right
expect_keys "$ielog" 0x12 0x25 0x12 0x27
g_drag 3 350 300 355 340        # down: Esc
expect_keys "$ielog" 0x12 0x25 0x12 0x27 0x1b
g_drag 3 350 300 345 260        # up: Ctrl+O
expect_keys "$ielog" 0x12 0x25 0x12 0x27 0x1b 0x11 0x4f
[ "$(count_in "$ielog" "WM_RBUTTON")" -eq 0 ] || e2e_fail "the page saw the right button of a drag"
[ "$(count_in "$ielog" "WM_KEYUP wParam=0x4f")$(count_in "$ielog" "WM_KEYUP wParam=0x1b")" = "11" ] ||
  e2e_fail "O or Esc was not released"
for d in leftward rightward downward upward; do
  e2e_file_has "$G_LOG" "Detect mouse move $d" || e2e_fail "no 'Detect mouse move $d'"
done
e2e_file_has "$G_LOG" "Window is IE content window" || e2e_fail "no content-window line"
e2e_file_has "$G_LOG" "Set IERButtonDown to true" || e2e_fail "no arming line"
tr -d '\r' <"$G_LOG" | grep -q "^Right button drag. Time diff : [0-9]* ms, x diff : -40, y diff : 0$" ||
  e2e_fail "no drag line for the left drag"

# --- a short click: replayed to the page at its client coordinates
g_drag 3 350 300 360 310
e2e_wait_file_has "$ielog" "child WM_RBUTTONUP" 10 || e2e_fail "the short click was not replayed"
want_down="child WM_RBUTTONDOWN wParam=0x2 lParam=$(printf '0x%x' $(( ((300 - cy) << 16) | (350 - cx) ))) x=$((350 - cx)) y=$((300 - cy))"
want_up="child WM_RBUTTONUP wParam=0x0 lParam=$(printf '0x%x' $(( ((310 - cy) << 16) | (360 - cx) ))) x=$((360 - cx)) y=$((310 - cy))"
e2e_file_has "$ielog" "$want_down" || e2e_fail "replayed press not '$want_down'"
e2e_file_has "$ielog" "$want_up" || e2e_fail "replayed release not '$want_up'"
[ "$(count_in "$ielog" "WM_RBUTTONDOWN")" -eq 1 ] || e2e_fail "more than one press reached the page"

# --- a page holding the mouse capture, released left of and above it: the
# replayed release has negative client coordinates, packed as signed 16-bit
g_testwin cap --title "Capturing page" --child "Internet Explorer_Server" --child-rect 50,50,200,150 --child-capture --rect 100,450,400,300
caplog=$(g_winlog cap); CAP_PID=$G_PID
eval "$(g_probe --hwnd "$G_CHILD" | sed -n 's/.* client=\([-0-9]*\),\([-0-9]*\).*/px=\1; py=\2/p')"
g_drag 3 $(( px + 5 )) $(( py + 5 )) $(( px - 10 )) $(( py - 8 ))
e2e_wait_file_has "$caplog" "child WM_RBUTTONUP" 10 || e2e_fail "the captured click was not replayed"
e2e_file_has "$caplog" "child WM_RBUTTONDOWN wParam=0x2 lParam=0x50005 x=5 y=5" || e2e_fail "replayed press of the captured click"
e2e_file_has "$caplog" "child WM_RBUTTONUP wParam=0x0 lParam=0xfff8fff6 x=-10 y=-8" ||
  e2e_fail "the release left of and above the page was not packed as signed 16-bit"

# --- Firefox content: the upward drag gives Ctrl+L
g_testwin ff --title "Firefox page" --child "MozillaWindowClass" --rect 550,100,400,400
fflog=$(g_winlog ff)
ff_pid=$G_PID
g_drag 3 750 350 752 300
expect_keys "$fflog" 0x11 0x4c
e2e_file_has "$G_LOG" "Window is firefox content window" || e2e_fail "no firefox content line"
[ "$(count_in "$fflog" "WM_RBUTTON")" -eq 0 ] || e2e_fail "the Firefox page saw the right button"

e2e_stop "$CAP_PID"  # its capture would take the presses; now Chromium-shaped windows in msedge.exe, Code.exe
g_testwin_as msedge.exe edge --title "Edge page" "${G_CHROMIUM[@]}" --rect 100,420,500,330
edgelog=$(g_winlog edge)
g_drag 3 350 600 310 600        # left: Alt+Left
expect_keys "$edgelog" 0x12 0x25
g_drag 3 350 600 345 560        # up: Ctrl+L
expect_keys "$edgelog" 0x12 0x25 0x11 0x4c
[ "$(count_in "$edgelog" "WM_RBUTTON")" -eq 0 ] || e2e_fail "the Edge page saw the right button of a drag"
e2e_file_has "$G_LOG" "Window is chromium content window of a browser" || e2e_fail "no chromium content line"
g_drag 3 350 600 352 601        # a plain right click: press and release arrive
e2e_wait_file_has "$edgelog" "child WM_RBUTTONUP" 10 || e2e_fail "the plain right click did not reach the Edge page"
[ "$(count_in "$edgelog" "child WM_RBUTTONDOWN wParam=0x2 ")" -eq 1 ] || e2e_fail "the Edge page did not get one press"
e2e_stop "$G_PID"

g_testwin_as Code.exe code --title "Code editor" "${G_CHROMIUM[@]}" --rect 100,420,500,330
g_drag 3 350 600 310 600
g_drag 3 350 600 345 560
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$(g_winlog code)' | grep -c 'child WM_RBUTTONUP') = 2 ]" ||
  e2e_fail "the editor did not get its right drags"
sleep 0.5
[ "$(count_in "$(g_winlog code)" "child WM_RBUTTONDOWN wParam=0x2")$(count_in "$(g_winlog code)" "KEYDOWN")" = 20 ] ||
  e2e_fail "the editor's right drags did not arrive untouched"

# --- nothing stays armed
e2e_stop "$G_PID"; e2e_stop "$ff_pid"
g_testwin plain --title "Plain target" --rect 100,520,300,200
plainlog=$(g_winlog plain)
driver() { e2e_run "$QUORVEL_BIN/hookdriver.exe" "$(e2e_winpath "$G_DIR")" "$@" >/dev/null; }
keys_now() { echo $(( $(count_in "$ielog" "KEYDOWN") + $(count_in "$plainlog" "KEYDOWN") )); }
wait_more() { e2e_wait_until 5 bash -c "[ \$(tr -d '\r' <'$1' | grep -c '$2') -gt $3 ]"; }
# plain_click AFTER: a right click on the plain target arrives as press and release; no key is sent
plain_click() {
  local ups keys; ups=$(count_in "$plainlog" "WM_RBUTTONUP"); keys=$(keys_now)
  g_drag 3 250 620 250 620
  wait_more "$plainlog" WM_RBUTTONUP "$ups" && [ "$(count_in "$plainlog" WM_RBUTTONDOWN)" = "$(( ups + 1 ))" ] ||
    e2e_fail "after $1 the next right click did not arrive as press and release"
  sleep 0.5; [ "$(keys_now)" = "$keys" ] || e2e_fail "after $1 a keystroke was sent"
}
# Up onto the browser's caption (Wine drops that release; the next move finds the button up)
g_drag 3 350 300 350 112
plain_click "a drag ended on the browser's caption"
# gated_drag BEFORE AFTER WHAT: the driver runs BEFORE during a right drag on the page, AFTER its
# release, which the page gets (Wine drops it over another program: the page's own is excluded)
gated_drag() {
  local ups; ups=$(count_in "$ielog" "child WM_RBUTTONUP")
  e2e_move 350 300; sleep 0.6; e2e_down 3; sleep 0.1; e2e_move 330 300
  driver "$1"; e2e_move 320 300; sleep 0.1; e2e_up 3
  wait_more "$ielog" "child WM_RBUTTONUP" "$ups" || e2e_fail "$3: the page did not get the release"
  driver "$2"; plain_click "$3"
}
gated_drag exclude=testwin.exe exclude= "a drag released in an excluded program"
gated_drag pause resume "a drag released while paused"
[ "$(g_log_count "Gesture called off, the button went where Quorvel stays out: right drag")" -eq 2 ] ||
  e2e_fail "the drags released in an excluded program and while paused were not called off"
e2e_pass
