# The fault-injection build of system.dat, hooked into a host program with
# real input: a fault in each hook body, in a C runtime call made from one,
# under the dialog-table lock and in a worker is contained. The host
# survives and still gets its messages, the report holds one block per fault
# address, another thread of the host gets the lock at once, and the host's
# own frame-based handler around a SendMessage still gets its own fault.
source "$QUORVEL_E2E_LIB"; e2e_begin
FAULTY="$QUORVEL_BIN/faulty/system.dat"
[ -f "$FAULTY" ] || e2e_fail "no fault-injection build of the library"
grep -aq QUORVEL_FAULTS "$QUORVEL_BIN/system.dat" && e2e_fail "the shipped library has fault points"
DIR="$E2E_TMP/install"; e2e_install "$DIR"; cp "$FAULTY" "$DIR/system.dat"
REPORT="$DIR/QuorvelExceptionLog.txt"; LOG="$DIR/QuorvelLog.txt"
e2e_start_hooks "$DIR"

blocks() { e2e_count_in_file "$REPORT" "Date :  "; }
HOSTS=()
host() {  # FAULTS -> starts a host whose hooks fault at FAULTS; its log is $HL
  HL="$E2E_TMP/host-$1.txt"
  HOSTS+=("$(QUORVEL_FAULTS=$1 e2e_start "$QUORVEL_BIN/faulthost.exe" "$(e2e_winpath "$E2E_TMP")\\host-$1.txt")")
  e2e_wait_window "Fault host A" 20 >/dev/null && e2e_wait_window "Fault host B" 20 >/dev/null || e2e_fail "host $1 did not start"
  sleep 0.5
}
alive() { kill -0 "${HOSTS[-1]}" 2>/dev/null || e2e_fail "host $1 died"; }
end_host() { e2e_stop "${HOSTS[-1]}"; e2e_wait_until 10 bash -c "! xdotool search --name '^Fault host A$' >/dev/null" || true; }

# 1. Mouse hook body: the host's own handler still gets its fault, every
# press is passed on, repeated faults at one address give one block.
host sendhost,mouse
e2e_move 250 200; sleep 0.2; e2e_click 3
e2e_wait_file_has "$HL" "own handler" 10 || e2e_fail "no own-handler result"
e2e_file_has "$HL" "own handler: got its fault" || e2e_fail "the host's handler missed its fault: $(cat "$HL")"
for i in 1 2 3; do e2e_click 1; sleep 0.2; done
e2e_wait_until 5 bash -c "[ \$(grep -c 'A down' '$HL') -ge 3 ]" || e2e_fail "presses not passed on: $(cat "$HL")"
[ "$(blocks)" -eq 1 ] || e2e_fail "mouse faults: $(blocks) blocks, want 1"
alive mouse; end_host

# 2. A C runtime function called from the hook body.
host crt
e2e_move 250 200; sleep 0.2; e2e_click 1; e2e_click 1
e2e_wait_until 5 bash -c "[ \$(grep -c 'A down' '$HL') -ge 2 ]" || e2e_fail "crt: presses not passed on"
[ "$(blocks)" -eq 2 ] || e2e_fail "crt fault: $(blocks) blocks, want 2"
alive crt; end_host

# 3. The window-procedure-return and get-message hook bodies; after repeated
# faults the hooks of this host only pass messages on.
host callwndret,getmessage
e2e_move 250 200; sleep 0.2; e2e_click 1
for x in 260 280 300 560 600 640 300 260; do e2e_move $x 220; sleep 0.05; done
e2e_move 250 200; sleep 0.2; e2e_click 1; e2e_move 600 200; sleep 0.2; e2e_click 1
e2e_wait_file_has "$HL" "B down" 5 || e2e_fail "window hooks: presses not passed on: $(cat "$HL")"
[ "$(blocks)" -ge 3 ] || e2e_fail "window hook faults not reported: $(blocks) blocks"
alive callwndret; end_host

# 4. Under the dialog-table lock on thread A: thread B gets the lock at once.
host lock
e2e_move 250 200; sleep 0.3; e2e_move 260 210; sleep 0.3
before=$(blocks)
[ "$before" -ge 4 ] || e2e_fail "no block for the fault under the lock"
e2e_move 600 200; start=$(date +%s%N)
e2e_wait_file_has "$LOG" "XXX fault point: dialog lock taken by thread" 5 || e2e_fail "another thread did not get the lock"
ms=$(( ($(date +%s%N) - start) / 1000000 ))
e2e_log "the other thread had the lock after ${ms} ms"
[ "$ms" -lt 1000 ] || e2e_fail "the lock came only after ${ms} ms"
e2e_click 1; e2e_wait_file_has "$HL" "B down" 5 || e2e_fail "lock: press not passed on"
alive lock; end_host

# 5. A worker thread (the Smart Move glide into a new dialog).
before=$(blocks)
pid=$(QUORVEL_FAULTS=worker e2e_start "$QUORVEL_BIN/wh_dialog.exe")
e2e_wait_file_has "$E2E_TMP/wh_dialog.exe.out" "dialog=" 20 || e2e_fail "dialog program did not start"
e2e_wait_until 5 bash -c "[ \$(tr -d '\r' <'$REPORT' | grep -c 'Date :  ') -gt $before ]" || e2e_fail "worker fault not reported"
sleep 0.5; kill -0 "$pid" 2>/dev/null || e2e_fail "dialog program died"

# One block per fault address in each process.
dups=$(tr -d '\r' <"$REPORT" | awk '/^Command line :/ {cmd=$0} /^Error address/ {print cmd " | " $0}' | sort | uniq -d)
[ -z "$dups" ] || e2e_fail "several blocks for one address: $dups"
e2e_log "blocks: $(blocks)"
e2e_pass
