# Helpers of the window-hook end-to-end tests; source after e2e.sh and e2e_begin.
# WH_DIR is the install folder, WH_LOG the library's debug log in it.
WH_DIR="$E2E_TMP/install"
WH_LOG="$WH_DIR/QuorvelLog.txt"

# wh_start_hooks: every feature on, system.dat from WH_DIR in the hook driver, hooks started.
wh_start_hooks() {
  e2e_install "$WH_DIR"
  [ -f "$WH_DIR/system.dat" ] || e2e_fail "system.dat not built"
  e2e_reg_set_dword Setting 65535 || e2e_fail "cannot write the setting word"
  e2e_start_hooks "$WH_DIR"
}

# wh_program NAME ARGS...: starts a test program (copied into E2E_TMP so that
# its path, and so its registry key, is new for this run); its output is
# $E2E_TMP/NAME.exe.out. Prints the pid.
wh_program() {
  local name=$1; shift
  [ -f "$E2E_TMP/$name.exe" ] || cp "$QUORVEL_BIN/$name.exe" "$E2E_TMP/$name.exe"
  e2e_start "$E2E_TMP/$name.exe" "$@"
}
wh_out() { echo "$E2E_TMP/$1.exe.out"; }

# wh_pointer: "X Y" of the pointer.
wh_pointer() { xdotool getmouselocation | sed -n 's/^x:\([0-9-]*\) y:\([0-9-]*\).*/\1 \2/p'; }
# wh_wait_pointer X Y TIMEOUT: the pointer comes to rest at (X, Y).
wh_wait_pointer() { e2e_wait_until "$3" bash -c "[ \"\$(xdotool getmouselocation | sed -n 's/^x:\\([0-9-]*\\) y:\\([0-9-]*\\).*/\\1 \\2/p')\" = '$1 $2' ]"; }

wh_log_count() { e2e_count_in_file "$WH_LOG" "$1"; }

# On failure show the end of the debug log and of every program's output.
e2e_fail() {
  e2e_log "FAIL: $*"
  e2e_log "pointer: $(wh_pointer 2>/dev/null)"
  if [ -f "$WH_LOG" ]; then e2e_log "debug log (end):"; tr -d '\r' <"$WH_LOG" | tail -30 >&2; fi
  local f
  for f in "$E2E_TMP"/*.out; do
    [ -f "$f" ] || continue
    e2e_log "$(basename "$f") (end):"; tr -d '\r' <"$f" | tail -15 >&2
  done
  exit 1
}
