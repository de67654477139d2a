# Just Wheel It with real input. Wine hands a wheel turn to the window under
# the pointer at the moment of the turn (Windows hands it to the focused
# window); so the turn is made over the focused window while its program is
# busy, and the pointer then moves on: when the program takes the turn from
# its queue, another window lies under the pointer, as on Windows.
#  - another window of the same thread: it receives the turn, the focused
#    window nothing;
#  - a window of another process: a click activates it, nobody gets the turn.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"
wh_start_hooks
OUT=$(wh_out wh_windows)

wh_program wh_windows "WH focused" 50 50 300 200 "WH sibling" 450 50 300 200 >/dev/null
e2e_wait_file_has "$OUT" "ready" 30 || e2e_fail "windows did not start"

# wheel_turn_then_move X Y: with the focused window busy, a turn over it,
# then the pointer to (X, Y).
wheel_turn_then_move() {
  xdotool mousemove 200 150; sleep 0.3; xdotool click 1; sleep 0.3
  xdotool key b
  e2e_wait_file_has "$OUT" "WH focused busy" 5 || e2e_fail "the focused window did not get the key"
  xdotool click 5
  # Through Wine, so the pointer's new place is known at once even to the
  # busy program (xdotool's motion would wait in that program's X queue).
  e2e_run "$QUORVEL_BIN/wh_windows.exe" --set-cursor "$1" "$2" >/dev/null
}

: >"$OUT"
wheel_turn_then_move 600 150
e2e_wait_file_has "$OUT" "WH sibling wheel delta=-120" 10 || e2e_fail "the window under the pointer got no wheel"
sleep 0.5
e2e_file_has "$OUT" "WH focused wheel" && e2e_fail "the focused window got the wheel too"

OTHER_OUT="$E2E_TMP/other.out"
cp "$QUORVEL_BIN/wh_windows.exe" "$E2E_TMP/wh_other.exe"
"$(e2e_wine_for)" "$E2E_TMP/wh_other.exe" "WH other" 50 400 300 200 >"$OTHER_OUT" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_file_has "$OTHER_OUT" "ready" 30 || e2e_fail "the other program did not start"
: >"$OUT"; : >"$OTHER_OUT"
wheel_turn_then_move 200 500
e2e_wait_file_has "$OTHER_OUT" "WH other lbuttondown" 10 || e2e_fail "no click in the other program's window"
e2e_wait_file_has "$OTHER_OUT" "WH other activated" 10 || e2e_fail "the other window was not activated"
sleep 0.5
e2e_file_has "$OTHER_OUT" "WH other wheel" && e2e_fail "the turn reached the other window"
e2e_file_has "$OUT" "wheel" && e2e_fail "the first program's windows got the turn"
e2e_pass
