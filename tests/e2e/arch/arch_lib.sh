# Helpers of the two-architecture tests (sourced after gestures_lib.sh).

a_bin() { if [ "$1" = 64 ]; then echo "$BIN64"; else echo "$QUORVEL_BIN"; fi; }

# a_testwin 32|64 NAME ARGS...: g_testwin of that architecture.
a_testwin() {
  local arch=$1; shift
  local saved=$QUORVEL_BIN
  QUORVEL_BIN=$(a_bin "$arch")
  g_testwin "$@"
  QUORVEL_BIN=$saved
}

# a_program 32|64 NAME ARGS...: a window-hook test program of that
# architecture, copied into E2E_TMP; output in $E2E_TMP/NAME.exe.out.
a_program() {
  local arch=$1 name=$2; shift 2
  cp "$(a_bin "$arch")/$name.exe" "$E2E_TMP/$name.exe"
  e2e_start "$E2E_TMP/$name.exe" "$@"
}

# a_helper_running: QuorvelHook64.exe of this run's install folder runs.
a_helper_running() { pgrep -f "$(basename "$E2E_TMP").app.QuorvelHook6[4]" >/dev/null; }
a_helper_pid() { pgrep -f "$(basename "$E2E_TMP").app.QuorvelHook6[4]" | head -1; }

wh_wait_pointer() { e2e_wait_until "$3" bash -c "[ \"\$(xdotool getmouselocation | sed -n 's/^x:\\([0-9-]*\\) y:\\([0-9-]*\\).*/\\1 \\2/p')\" = '$1 $2' ]"; }
