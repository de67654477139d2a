# Two processes that map system.dat see one copy of the shared state: a
# second process neither truncates the log nor re-reads the setting, and the
# minute clock advanced by one is seen by the other. A fresh life (after
# every process has gone) starts again from the initial values.
source "$QUORVEL_E2E_LIB"; e2e_begin
DIR="$E2E_TMP/install"; e2e_install "$DIR"
WDIR=$(e2e_winpath "$DIR")
LOG="$DIR/QuorvelLog.txt"

e2e_reg_set_dword Setting 0x0008   # only the rest reminder: UserShouldRest counts minutes
pid=$(e2e_start "$QUORVEL_BIN/hookdriver.exe" "$WDIR" version rest=5 wait getsetting wait)
OUT="$E2E_TMP/hookdriver.exe.out"
e2e_wait_file_has "$OUT" "waiting" 20 || e2e_fail "first driver did not start"
grep -q "rest=0 keys=0 clicks=0 distance=0 minutes=5" "$OUT" || e2e_fail "first driver: $(cat "$OUT")"

e2e_reg_set_dword Setting 0x0108   # changed behind the library's back
second=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" getsetting rest)
echo "$second" | grep -q "setting=0x8$" || e2e_fail "second process re-read the setting: $second"
echo "$second" | grep -q "minutes=6" || e2e_fail "second process does not share the minute clock: $second"
[ "$(e2e_count_in_file "$LOG" "Quorvel is being started.")" -eq 1 ] || e2e_fail "log truncated or restarted"
[ "$(e2e_count_in_file "$LOG" "Setting info is")" -eq 1 ] || e2e_fail "setting read twice"

# A setting saved by one process is in force in the other at once.
e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" savesetting=0x4008 >/dev/null
touch "$DIR/hookdriver.stop"
e2e_wait_file_has "$OUT" "setting=0x4008" 10 || e2e_fail "saved setting not seen by the other process: $(cat "$OUT")"
e2e_stop "$pid"
wineserver -k; wineserver -w

# Every process has gone: a new life reads the registry again (the user's
# word, which the save above wrote) and starts its clock at 0.
[ "$(e2e_reg_query Setting)" = 0x108 ] || e2e_fail "the save wrote the machine-wide word: $(e2e_reg_query Setting)"
e2e_reg_set_dword Setting 0x0088 'HKCU\Software\Harnwick\Quorvel'
third=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" getsetting rest)
echo "$third" | grep -q "setting=0x88$" || e2e_fail "new life did not start from the registry: $third"
echo "$third" | grep -q "minutes=1" || e2e_fail "new life did not start from the initial values: $third"
[ "$(e2e_count_in_file "$LOG" "Quorvel is being started.")" -eq 1 ] || e2e_fail "log not recreated by the new life"
e2e_pass
