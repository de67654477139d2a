# Just Wheel It with real input. Windows hands a wheel turn to the focused
# window; Wine hands it to the window under the pointer. So the turn is made
# over the focused test window, which goes below the other windows as soon
# as the turn waits in its queue: when its program takes the turn out,
# another window lies under the pointer, as on Windows when the pointer is
# over another window than the focused one.
#  - a window of the same thread beneath: it receives the turn, the focused
#    window nothing;
#  - a window of another process beneath: a click activates it, and nobody
#    gets the turn.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"
wh_start_hooks
OUT=$(wh_out wh_windows)

# wheel_turn: the focused window (on top at 50,50) waits for the turn, the wheel turns over it.
wheel_turn() {
  xdotool mousemove 200 150; sleep 0.3; xdotool click 1; sleep 0.3
  xdotool key m
  e2e_wait_file_has "$OUT" "WH focused waits for a wheel turn" 5 || e2e_fail "the focused window did not get the key"
  xdotool click 5
  e2e_wait_file_has "$OUT" "WH focused went below" 5 || e2e_fail "the turn did not come to the focused window"
}

wh_program wh_windows "WH sibling" 50 50 300 200 "WH focused" 50 50 300 200 >/dev/null
e2e_wait_file_has "$OUT" "ready" 30 || e2e_fail "windows did not start"
: >"$OUT"
wheel_turn
e2e_wait_file_has "$OUT" "WH sibling wheel delta=-120" 10 || e2e_fail "the window under the pointer got no wheel"
sleep 0.5
e2e_file_has "$OUT" "WH focused wheel" && e2e_fail "the focused window got the wheel too"
e2e_stop "${E2E_PIDS[-1]}"

OTHER_OUT="$E2E_TMP/other.out"
cp "$QUORVEL_BIN/wh_windows.exe" "$E2E_TMP/wh_other.exe"
"$(e2e_wine_for)" "$E2E_TMP/wh_other.exe" "WH other" 50 50 300 200 >"$OTHER_OUT" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_file_has "$OTHER_OUT" "ready" 30 || e2e_fail "the other program did not start"
: >"$OUT"
wh_program wh_windows "WH focused" 50 50 300 200 >/dev/null
e2e_wait_file_has "$OUT" "ready" 30 || e2e_fail "the focused window did not start again"
sleep 0.3
: >"$OTHER_OUT"
wheel_turn
e2e_wait_file_has "$OTHER_OUT" "WH other lbuttondown" 10 || e2e_fail "no click in the other program's window"
e2e_wait_file_has "$OTHER_OUT" "WH other activated" 10 || e2e_fail "the other window was not activated"
sleep 0.5
e2e_file_has "$OTHER_OUT" "WH other wheel delta" && e2e_fail "the turn reached the other window"
e2e_file_has "$OUT" "wheel delta" && e2e_fail "the focused window got the turn"
e2e_pass
