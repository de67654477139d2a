# A fault inside the guard (a null read and a division by zero, on two
# threads at once) writes one report block each and the process survives;
# with Util.dat beside the program the blocks carry its sections, without it
# they do not. A fault in a C runtime function and in a window procedure
# the guarded body sent a message to are contained and reported too, while
# a window procedure's own frame-based handler gets its fault first (no
# block for it). Three stack overflows in a row on one thread are each
# caught and reported (code and address; no registers or stack, which were
# on the stack that overflowed): the stack gets its guard page back. (Wine's
# 64-bit loader cannot dispatch a stack overflow at all: there guardtest
# leaves them out.)
source "$QUORVEL_E2E_LIB"; e2e_begin

OVERFLOWS=3; [ "${QUORVEL_ARCH:-i686}" = x86_64 ] && OVERFLOWS=0
BLOCKS=$(( 4 + OVERFLOWS ))
check_blocks() {  # folder, with-util (1/0)
  local report="$1/QuorvelExceptionLog.txt"
  [ -f "$report" ] || e2e_fail "no exception report"
  tr -d '\r' <"$report" >"$E2E_TMP/report.txt"
  [ "$(grep -c "^Date :  " "$E2E_TMP/report.txt")" -eq $BLOCKS ] || { cat "$E2E_TMP/report.txt" >&2; e2e_fail "expected $BLOCKS blocks"; }
  [ "$(grep -c '^Exception code is : c00000fd$' "$E2E_TMP/report.txt")" -eq $OVERFLOWS ] || e2e_fail "not $OVERFLOWS stack overflow blocks"
  grep -q '^Exception code is : c0000005$' "$E2E_TMP/report.txt" || e2e_fail "no access violation block"
  grep -q '^Exception code is : c0000094$' "$E2E_TMP/report.txt" || e2e_fail "no divide-by-zero block"
  for line in "Quorvel version: 2.1 build 20" "Command line :      " "Install Path  : " "Total physical memory   =   " \
              "MBUTTON_DBCLICK_TIME_LIMIT : 1500 ms" "Error address : " "Dll base address : "; do
    [ "$(grep -c "^$line" "$E2E_TMP/report.txt")" -eq $BLOCKS ] || e2e_fail "line '$line' not in every block"
  done
  if [ "$2" = 1 ]; then
    grep -q "read of address 0x0" "$E2E_TMP/report.txt" || e2e_fail "no read/write detail"
    [ "$(grep -c '^CPU Registers : $' "$E2E_TMP/report.txt")" -eq 4 ] || e2e_fail "no registers section"
    [ "$(grep -c '^Stack trace : $' "$E2E_TMP/report.txt")" -eq 4 ] || e2e_fail "no stack section"
    grep -q '^guardtest.exe+0x[0-9a-f]*$' "$E2E_TMP/report.txt" || e2e_fail "no module+offset stack line"
  else
    grep -q 'CPU Registers\|Stack trace\|Exception detailed description' "$E2E_TMP/report.txt" &&
      e2e_fail "Util.dat sections present without Util.dat"
  fi
  return 0
}

for util in 1 0; do
  D="$E2E_TMP/run$util"; mkdir -p "$D"
  cp "$QUORVEL_BIN/guardtest.exe" "$D/"
  [ $util = 1 ] && cp "$QUORVEL_BIN/Util.dat" "$D/"
  out=$(e2e_run "$D/guardtest.exe")
  echo "$out" >&2
  for want in "null read: caught" "divide by zero: caught" "exception: caught" "plain: completed" "crt fault: caught" \
              "$([ $OVERFLOWS = 3 ] && echo "stack overflows caught: 3" || echo "stack overflows: not dispatched here")" \
              "host handler: own fault, send completed result 7" "faulting window procedure: caught" "survived"; do
    echo "$out" | grep -qx "$want" || e2e_fail "guardtest: missing '$want'"
  done
  check_blocks "$D" $util
done
e2e_pass
