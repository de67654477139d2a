# The activity counters with real input: key and button releases in any
# process are counted, and UserShouldRest, called by a driver process,
# reports them; the 60th minute of a period proposes a rest.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"
wh_start_hooks
WDIR=$(e2e_winpath "$WH_DIR")
EDIT_OUT=$(wh_out wh_edit)
WIN_OUT=$(wh_out wh_windows)

wh_program wh_windows "WH clicks" 550 300 300 200 >/dev/null
e2e_wait_file_has "$WIN_OUT" "ready" 30 || e2e_fail "the click window did not start"
wh_program wh_edit >/dev/null
e2e_wait_file_has "$EDIT_OUT" "ready" 30 || e2e_fail "the edit window did not start"

# Three releases in one program, one (the click into the edit) and five keys in the other.
xdotool mousemove 700 400; sleep 0.3
for i in 1 2 3; do xdotool click 1; sleep 0.7; done
e2e_wait_until 5 bash -c "[ \$(grep -c 'WH clicks lbuttondown' '$WIN_OUT') -eq 3 ]" || e2e_fail "the clicks did not arrive"
# 50 px of pointer travel in steps (a jump of 300 px or more is not travel).
for x in 710 720 730 740 750; do xdotool mousemove "$x" 400; sleep 0.05; done
xdotool mousemove 300 150; sleep 0.3; xdotool click 1; sleep 0.3
for k in q w e r t; do xdotool key "$k"; sleep 0.1; done
e2e_wait_until 5 bash -c "[ \$(grep -c typed '$EDIT_OUT') -eq 5 ]" || e2e_fail "the keys did not arrive"
sleep 0.3

REST=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" rest lastclick)
e2e_log "$REST"
echo "$REST" | grep -q "^rest=0 keys=5 clicks=4 distance=[0-9]* minutes=1$" || e2e_fail "first minute: $REST"
DISTANCE=$(echo "$REST" | sed -n 's/^rest=.* distance=\([0-9]*\) .*/\1/p')
[ "${DISTANCE:-0}" -ge 50 ] || e2e_fail "pointer travel not counted: $REST"
read -r LAST NOW < <(echo "$REST" | sed -n 's/^lastClickOrKeyTime=\([0-9]*\) now=\([0-9]*\)$/\1 \2/p')
[ -n "$LAST" ] && [ $(( NOW - LAST )) -lt 10000 ] || e2e_fail "last click or key time $LAST, now $NOW"

# The period goes on summing its minutes; its 60th minute proposes a rest,
# and the next period starts empty.
PERIOD="keys=5 clicks=4 distance=$DISTANCE"
REST=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" rest rest=57)
echo "$REST" | grep -q "^rest=0 $PERIOD minutes=2$" || e2e_fail "second minute: $REST"
echo "$REST" | grep -q "^rest=0 $PERIOD minutes=59$" || e2e_fail "59th minute: $REST"
REST=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" rest rest)
echo "$REST" | grep -q "^rest=1 $PERIOD minutes=60$" || e2e_fail "60th minute: $REST"
echo "$REST" | grep -q "^rest=0 keys=0 clicks=0 distance=0 minutes=1$" || e2e_fail "after the rest: $REST"
e2e_pass
