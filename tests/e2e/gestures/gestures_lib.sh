# Helpers of the gesture end-to-end tests; source after e2e.sh and e2e_begin.
# G_DIR is the install folder (system.dat and its two show-desktop files),
# G_LOG the library's debug log in it.
G_DIR="$E2E_TMP/install"
G_LOG="$G_DIR/QuorvelLog.txt"

# g_install: the shipped files into G_DIR.
g_install() { e2e_install "$G_DIR"; [ -f "$G_DIR/system.dat" ] || e2e_fail "system.dat not built"; }

# g_start_hooks: loads system.dat from G_DIR in the hook driver and starts the hooks.
g_start_hooks() {
  e2e_start_hooks "$G_DIR"
}

# g_testwin NAME ARGS...: starts a test window logging to $E2E_TMP/NAME.log and
# waits until it is ready; sets G_TOP and G_CHILD to its handles (decimal) and
# G_PID to its process.
g_testwin() {
  local name=$1; shift
  local log="$E2E_TMP/$name.log"
  G_PID=$(e2e_start "${G_PROGRAM:-$QUORVEL_BIN/testwin.exe}" --log "$(e2e_winpath "$E2E_TMP")\\$name.log" "$@")
  E2E_PIDS+=("$G_PID")
  e2e_wait_file_has "$log" "ready top=" 30 || e2e_fail "test window $name did not start"
  G_TOP=$(tr -d '\r' <"$log" | sed -n 's/^ready top=\([0-9]*\).*/\1/p' | head -1)
  G_CHILD=$(tr -d '\r' <"$log" | sed -n 's/^ready top=[0-9]* child=\([0-9]*\).*/\1/p' | head -1)
}
g_winlog() { echo "$E2E_TMP/$1.log"; }
# g_testwin_as FILE NAME ARGS...: g_testwin run as a copy named FILE (msedge.exe, Code.exe).
g_testwin_as() {
  local file=$1; shift
  [ -f "$E2E_TMP/$file" ] || cp "$QUORVEL_BIN/testwin.exe" "$E2E_TMP/$file"
  G_PROGRAM="$E2E_TMP/$file" g_testwin "$@"
}
# Chromium-shaped windows: a "Chrome_RenderWidgetHostHWND" page below a 60 px tab strip.
G_CHROMIUM=(--class Chrome_WidgetWin_1 --child Chrome_RenderWidgetHostHWND --child-rect 0,60,2000,2000)

# g_probe ARGS...: one line of window state from probe.exe.
g_probe() { e2e_run "$QUORVEL_BIN/probe.exe" "$@"; }
# g_state FIELD ARGS...: one field (iconic, zoomed, visible, foreground, found) of g_probe.
g_state() { local f=$1; shift; g_probe "$@" | sed -n "s/.*\\b$f=\\([^ ]*\\).*/\\1/p"; }
g_expect_state() {  # g_expect_state FIELD VALUE TIMEOUT ARGS...
  local f=$1 v=$2 t=$3; shift 3
  local end=$(( $(date +%s) + t ))
  while [ "$(date +%s)" -le "$end" ]; do
    [ "$(g_state "$f" "$@")" = "$v" ] && return 0
    sleep 0.2
  done
  return 1
}

# g_log_count TEXT: how many lines of the debug log hold TEXT.
g_log_count() { e2e_count_in_file "$G_LOG" "$1"; }

# On failure show the end of the debug log and of every test window's log.
e2e_fail() {
  e2e_log "FAIL: $*"
  if [ -f "$G_LOG" ]; then e2e_log "debug log (end):"; tr -d '\r' <"$G_LOG" | tail -40 >&2; fi
  local f
  for f in "$E2E_TMP"/*.log; do
    [ -f "$f" ] || continue
    e2e_log "$(basename "$f") (end):"; tail -15 "$f" >&2
  done
  exit 1
}

# g_drag BUTTON X1 Y1 X2 Y2: a drag that starts after the double-click time of
# the previous one (a press soon after a release at the same spot arrives as a
# double-click message, which starts no drag).
g_drag() { sleep 0.6; e2e_drag "$@"; }

# g_notepad: starts Wine's own notepad of the tested architecture and waits for it.
g_notepad() {
  e2e_start 'C:\windows\system32\notepad.exe' >/dev/null
  e2e_wait_window "Untitled - Notepad" 30 >/dev/null || e2e_fail "notepad did not start"
}
