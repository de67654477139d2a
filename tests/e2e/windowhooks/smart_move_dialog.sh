# Smart Move with real input: a dialog box with one push button receives the
# pointer three quarters across and two thirds down the button; a click
# inside it is stored under the program's key; the next dialog of the same
# size in a new run of the program receives the pointer at that offset.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"
wh_start_hooks
OUT=$(wh_out wh_dialog)

xdotool mousemove 20 700
wh_program wh_dialog >/dev/null
e2e_wait_file_has "$OUT" "dialog=" 30 || e2e_fail "the dialog did not open"
read -r L T R B BL BT BR BB < <(tr -d '\r' <"$OUT" | sed -n 's/^dialog=[0-9a-f]* rect=\(.*\),\(.*\),\(.*\),\(.*\) button=\(.*\),\(.*\),\(.*\),\(.*\)$/\1 \2 \3 \4 \5 \6 \7 \8/p' | tail -1)
BX=$(( BL + 3 * (BR - BL) / 4 )); BY=$(( BT + 2 * (BB - BT) / 3 ))
e2e_log "dialog $L,$T,$R,$B button $BL,$BT,$BR,$BB: expecting the pointer at $BX,$BY"
wh_wait_pointer "$BX" "$BY" 10 || e2e_fail "pointer not on the button ($BX,$BY)"
e2e_file_has "$WH_LOG" "WM_NCPAINT: " || e2e_fail "no WM_NCPAINT line"

# A click inside the dialog, away from its controls, 30 px from its left edge and 60 from its top.
OX=30; OY=60
xdotool mousemove $(( L + OX )) $(( T + OY )); sleep 0.3; xdotool click 1
e2e_wait_file_has "$WH_LOG" "XXX Click in Dialog, offsetX : $OX, offsetY : $OY" 10 || e2e_fail "click not remembered"

KEYNAME=$(printf '%04d%04d' $(( R - L )) $(( B - T )))
# Kept for the user (HKCU), never machine-wide.
PROGRAM_NAME=$(e2e_winpath "$E2E_TMP/wh_dialog.exe" | tr '\\' '/')
PROGRAM_KEY="HKCU\\Software\\Harnwick\\Quorvel\\$PROGRAM_NAME"
e2e_wait_until 10 e2e_reg_query "$KEYNAME" "$PROGRAM_KEY" || e2e_fail "no value $KEYNAME under $PROGRAM_KEY"
! e2e_reg_query "$KEYNAME" "HKLM\\SOFTWARE\\Harnwick\\Quorvel\\$PROGRAM_NAME" || e2e_fail "the click was stored machine-wide"
VALUE=$(e2e_reg_query "$KEYNAME" "$PROGRAM_KEY")
[ "$(( VALUE ))" -eq $(( OY * 65536 + OX )) ] || e2e_fail "stored $VALUE, want $(( OY * 65536 + OX ))"

# A new run of the same program: its dialog has the same size, so the pointer goes to the offset.
e2e_stop "${E2E_PIDS[-1]}"
e2e_wait_until 10 bash -c "! xdotool search --name '^WH dialog\$' >/dev/null 2>&1" || e2e_fail "first dialog did not end"
xdotool mousemove 20 700
: >"$OUT"
wh_program wh_dialog >/dev/null
e2e_wait_file_has "$OUT" "dialog=" 30 || e2e_fail "the second dialog did not open"
read -r L T R B < <(tr -d '\r' <"$OUT" | sed -n 's/^dialog=[0-9a-f]* rect=\(.*\),\(.*\),\(.*\),\(.*\) button=.*$/\1 \2 \3 \4/p' | tail -1)
wh_wait_pointer $(( L + OX )) $(( T + OY )) 10 || e2e_fail "pointer not at the remembered offset $(( L + OX )),$(( T + OY ))"
e2e_file_has "$WH_LOG" "XXX move cursor : OffsetX : $OX, OffsetY : $OY" || e2e_fail "no move-cursor line"
e2e_pass
