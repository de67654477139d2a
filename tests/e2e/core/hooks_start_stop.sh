# startHook returns 1 and maps system.dat into a window of another process
# that gets a click; stopHook without SetStopHookFlag refuses; with it the
# hooks are removed and the state reset (the next mapping starts a new log).
source "$QUORVEL_E2E_LIB"; e2e_begin
DIR="$E2E_TMP/install"; e2e_install "$DIR"
WDIR=$(e2e_winpath "$DIR")
LOG="$DIR/QuorvelLog.txt"
CLICKS="$E2E_TMP/clicks.txt"

e2e_start "$QUORVEL_BIN/clickwin.exe" "Click target" "$(e2e_winpath "$E2E_TMP")\\clicks.txt" >/dev/null
e2e_wait_window "Click target" 20 >/dev/null || e2e_fail "target window did not appear"

pid=$(e2e_start "$QUORVEL_BIN/hookdriver.exe" "$WDIR" version marker start wait stop stopflag stop wait)
OUT="$E2E_TMP/hookdriver.exe.out"
e2e_wait_file_has "$OUT" "waiting" 20 || e2e_fail "driver did not start: $(cat "$OUT")"
grep -q "startHook=1" "$OUT" || e2e_fail "startHook did not return 1: $(cat "$OUT")"
e2e_file_has "$LOG" "Enter function start" || e2e_fail "no start line"
e2e_file_has "$LOG" "Leave function start" || e2e_fail "no leave line"

e2e_move 250 250; sleep 0.2; e2e_click 1
e2e_wait_file_has "$CLICKS" "click mapped=1" 10 || e2e_fail "system.dat not mapped into the clicked process: $(cat "$CLICKS" 2>/dev/null)"

touch "$DIR/hookdriver.stop"
# The driver takes the stop file (it deletes it) and goes on with the stop commands.
e2e_wait_until 10 bash -c "[ ! -e '$DIR/hookdriver.stop' ]" || e2e_fail "driver did not see the stop file: $(cat "$OUT")"
e2e_wait_until 10 bash -c "[ \$(grep -c waiting '$OUT') -ge 2 ]" || e2e_fail "driver did not stop: $(cat "$OUT")"
tr -d '\r' <"$LOG" | sed -n '/Enter function stop/,$p' >"$E2E_TMP/stop.txt"
cat "$E2E_TMP/stop.txt" >&2
expected=(
  "Enter function stop"
  "XXXXXXXXXXXXX StopHookFlag != 1 when unhook WH_CALLWNDPROCRET"
  "Enter function stop"
  "Successfully remove call ret routine"
  "Successfully remove get mouse message routine"
  "Successfully remove getmessage routine"
  "Leave function stop"
)
mapfile -t got <"$E2E_TMP/stop.txt"
for i in "${!expected[@]}"; do
  [ "${got[$i]:-}" = "${expected[$i]}" ] || e2e_fail "stop line $i: got '${got[$i]:-}', want '${expected[$i]}'"
done
[ "$(grep -c '^stopHook=1' "$OUT")" -eq 2 ] || e2e_fail "stopHook did not return 1 both times"

# The reset makes the next mapping a first initialisation: the log starts afresh.
e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" getsetting >/dev/null
[ "$(e2e_count_in_file "$LOG" "Enter function stop")" -eq 0 ] || e2e_fail "log not recreated after stopHook"
e2e_file_has "$LOG" "Quorvel is being started." || e2e_fail "no header after the new start"
e2e_pass
