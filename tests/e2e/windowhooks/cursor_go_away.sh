# Cursor Go Away with real input: typing into an edit control while the
# pointer sits on the caret moves the pointer 40 px right and down; typing
# again leaves it where it is.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"
wh_start_hooks
OUT=$(wh_out wh_edit)

wh_program wh_edit >/dev/null
e2e_wait_file_has "$OUT" "ready caret=" 30 || e2e_fail "the edit window did not start"
read -r CX CY < <(tr -d '\r' <"$OUT" | sed -n 's/^ready caret=\(.*\),\(.*\)$/\1 \2/p')
PX=$(( CX + 3 )); PY=$(( CY + 3 ))
xdotool mousemove "$PX" "$PY"; sleep 0.3
xdotool click 1; sleep 0.3  # the edit takes the keyboard; its caret stays at the start
wh_wait_pointer "$PX" "$PY" 2 || e2e_fail "pointer moved before typing"

xdotool key a
e2e_wait_file_has "$OUT" "typed 97" 10 || e2e_fail "the edit got no character"
wh_wait_pointer $(( PX + 40 )) $(( PY + 40 )) 5 || e2e_fail "pointer not moved 40 px off the caret"

xdotool key b
e2e_wait_file_has "$OUT" "typed 98" 10 || e2e_fail "the edit got no second character"
sleep 0.5
[ "$(wh_pointer)" = "$(( PX + 40 )) $(( PY + 40 ))" ] || e2e_fail "pointer moved again: $(wh_pointer)"
e2e_pass
