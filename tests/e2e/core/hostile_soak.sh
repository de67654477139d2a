# Three hooked programs and a bounded run of random input (moves, clicks,
# double-clicks, drags, wheel, keys). For the first part another process
# keeps rewriting the shared record: its paths point into a folder of
# stand-ins, everything else out of range or unterminated, and the windows
# it names to post to are look-alikes of Quorvel's or a hooked program's.
# Nothing named there is ever started or posted to, no program crashes or
# hangs, no gesture state is stuck afterwards and the log stays well
# formed. Prints a summary line.
source "$QUORVEL_E2E_LIB"; e2e_begin
DIR="$E2E_TMP/install"; e2e_install "$DIR"
EVIL="$E2E_TMP/evil"; mkdir -p "$EVIL"
for f in SetForegroundWindow.exe Iexplore.exe; do cp "$QUORVEL_BIN/gesture_recorder.exe" "$EVIL/$f"; done
cp "$QUORVEL_BIN/gesture_recorder.exe" "$EVIL/ShowDesktop.scf"
LOG="$DIR/QuorvelLog.txt"; REPORT="$DIR/QuorvelExceptionLog.txt"
e2e_reg_set_dword Setting 0xF9FF   # all but closing windows and starting the browser
e2e_start_hooks "$DIR"

PIDS=()
for spec in "Soak A|50,50,400,300|" "Soak IE|500,50,450,350|Internet Explorer_Server" "Soak C|100,420,400,300|Edit"; do
  IFS='|' read -r title rect child <<<"$spec"
  args=(--title "$title" --rect "$rect" --log "$(e2e_winpath "$E2E_TMP")\\${title// /_}.log")
  [ -n "$child" ] && args+=(--child "$child")
  PIDS+=("$(e2e_start "$QUORVEL_BIN/testwin.exe" "${args[@]}")")
  e2e_wait_file_has "$E2E_TMP/${title// /_}.log" "ready top=" 30 || e2e_fail "$title did not start"
done

# Look-alikes of Quorvel's main window and switcher in another program.
for t in Quorvel "Easy task switcher"; do
  e2e_start "$QUORVEL_BIN/testwin.exe" --title "$t" --rect 880,620,120,100 --userdata 0xAAAAAAAA --no-foreground \
    --log "$(e2e_winpath "$E2E_TMP")\\decoy_${t// /_}.log" >/dev/null
  e2e_wait_file_has "$E2E_TMP/decoy_${t// /_}.log" "ready top=" 30 || e2e_fail "the look-alike $t did not start"
done
RANDOM=9
EVENTS=0
point() { echo $(( RANDOM % 980 + 20 )) $(( RANDOM % 720 + 20 )); }
random_input() {  # SECONDS
  local end=$(( $(date +%s) + $1 )) r b
  while [ "$(date +%s)" -lt "$end" ]; do
    r=$(( RANDOM % 20 )); b=$(( RANDOM % 3 + 1 ))
    if [ $r -lt 8 ]; then xdotool mousemove $(point)
    elif [ $r -lt 11 ]; then xdotool click $b
    elif [ $r -lt 13 ]; then xdotool click --repeat 2 --delay 90 $b
    elif [ $r -lt 16 ]; then e2e_drag $b $(point) $(point) 3
    elif [ $r -lt 18 ]; then xdotool click $(( RANDOM % 2 + 4 ))
    else xdotool key --delay 20 a space BackSpace
    fi
    EVENTS=$(( EVENTS + 1 ))
    sleep 0.02
  done
}

WRITER=$(e2e_start "$QUORVEL_BIN/recordwriter.exe" rewrite "$(e2e_winpath "$EVIL")" 25)
sleep 0.5
random_input 24
e2e_wait_file_has "$E2E_TMP/recordwriter.exe.out" "rewrites=" 15 || e2e_fail "the record writer did not run: $(cat "$E2E_TMP/recordwriter.exe.out")"
random_input 25
for b in 1 2 3; do xdotool mouseup $b 2>/dev/null; done
sleep 0.3
# A fresh window on top (the random gestures may have minimized or
# maximized the others): one plain click of each button in it.
e2e_start "$QUORVEL_BIN/testwin.exe" --title "Soak final" --rect 300,300,300,200 \
  --log "$(e2e_winpath "$E2E_TMP")\\final.log" >/dev/null
e2e_wait_file_has "$E2E_TMP/final.log" "ready top=" 30 || e2e_fail "the last window did not start"
xdotool mousemove 450 400; sleep 0.3
for b in 1 2 3; do xdotool click $b; sleep 0.6; done
sleep 1

alive=0
for pid in "${PIDS[@]}"; do kill -0 "$pid" 2>/dev/null && alive=$(( alive + 1 )); done
faults=$(e2e_count_in_file "$REPORT" "Date :  ")
echo "soak: events sent $EVENTS, programs alive $alive/${#PIDS[@]}, faults reported $faults" >&2
[ "$alive" -eq "${#PIDS[@]}" ] || e2e_fail "a hooked program died"
for t in "Soak A" "Soak IE" "Soak C"; do
  id=$(xdotool search --name "^$t\$" | head -1)
  [ -n "$id" ] || e2e_fail "$t has no window"
done
ls "$EVIL"/*.log >/dev/null 2>&1 && e2e_fail "something named in the record was started: $(cat "$EVIL"/*.log)"
bad=$(cat "$E2E_TMP"/decoy_*.log | tr -d '\r' | grep -E "PRIVATE|WM_CLOSE"; tr -d '\r' <"$E2E_TMP/Soak_A.log" |
  grep -E "PRIVATE 0xc0de|lParam=0x51234|WM_CLOSE")
[ -z "$bad" ] || e2e_fail "posted to a window that is not Quorvel's: $(echo "$bad" | head -3)"
flags=$(e2e_run "$QUORVEL_BIN/recordwriter.exe" dump)
echo "$flags" | grep -q "IERButtonDown=0 MButtonDownPending=0 ChordPending=0 ChordSecondUpPending=0" ||
  e2e_fail "gesture state stuck: $flags"
[ "$(e2e_count_in_file "$LOG" "Quorvel is being started.")" -eq 1 ] || e2e_fail "the log was restarted"
LC_ALL=C grep -qaP '\x00' "$LOG" && e2e_fail "the log holds NUL bytes"
e2e_pass
