# SetForegroundWindow.exe brings the window whose decimal handle is its
# command line to the foreground, and ends quietly on a missing, malformed
# or stale handle.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
EXE="$QUORVEL_BIN/SetForegroundWindow.exe"
[ -f "$EXE" ] || e2e_fail "SetForegroundWindow.exe not built"

run_rc() { timeout 60 "$(e2e_wine_for)" "$EXE" "$@" >/dev/null 2>&1; echo $?; }

g_testwin gone --title "Stale target"
stale=$G_TOP
e2e_stop "$G_PID"
e2e_wait_until 10 bash -c "[ \"\$(\"$(e2e_wine_for)\" '$QUORVEL_BIN/probe.exe' --hwnd $stale 2>/dev/null | tr -d '\r')\" = found=0 ]" ||
  e2e_fail "the stale window did not go away"

check() {  # check WANT_RC ARGS...
  local want=$1; shift
  local rc; rc=$(run_rc "$@")
  [ "$rc" = "$want" ] || e2e_fail "SetForegroundWindow.exe '$*' ended with $rc, want $want"
}
check 1
check 1 "abc"
check 1 " 12x"
check 1 "-5"
check 1 "99999999999"
check 1 " 0"
check 1 "\"12"
check 1 "\"\""
check 2 " $stale"
check 2 " 4294967292"   # a handle with bit 31 set, as the library writes it: read, not refused

g_testwin first --title "First window" --rect 50,50,300,200
first=$G_TOP
g_testwin second --title "Second window" --rect 400,50,300,200
g_expect_state foreground 1 10 --title "Second window" || e2e_fail "the second window did not start in front"
check 0 " $first"
g_expect_state foreground 1 10 --title "First window" || e2e_fail "the first window was not brought to the foreground"
e2e_pass
