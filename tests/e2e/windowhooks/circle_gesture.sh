# The circle gesture with real pointer movement: a circle of radius 150 px
# drawn in about 0.8 s writes "OK, User draw a circle."; a slow circle, a
# small one and a half circle do not. Without Quorvel.exe nothing starts (a
# log line says so); with it, the program registered for http, by full path.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/wh_lib.sh"

# The default browser of this prefix: a stand-in logging to "<its path>.log".
BROWSER_DIR="$E2E_TMP/Stand In"; mkdir -p "$BROWSER_DIR"
cp "$QUORVEL_BIN/gesture_recorder.exe" "$BROWSER_DIR/msedge.exe"; BROWSER_LOG="$BROWSER_DIR/msedge.exe.log"
command=$(printf '"%s" --single-argument %%1' "$(e2e_winpath "$BROWSER_DIR/msedge.exe")" | sed 's/\\/\\\\/g; s/"/\\"/g')
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CLASSES_ROOT\http\shell\open\command]' "@=\"$command\"" >"$E2E_TMP/http.reg"
wine reg import "$(e2e_winpath "$E2E_TMP/http.reg")" >/dev/null 2>&1 || e2e_fail "could not register the stand-in browser"

wh_start_hooks
OUT=$(wh_out wh_windows)

# A large window under the whole drawing: each pointer movement over it is one WM_NCHITTEST.
wh_program wh_windows "WH canvas" 100 20 800 700 >/dev/null
e2e_wait_file_has "$OUT" "ready" 30 || e2e_fail "the canvas did not start"

# draw RADIUS POINTS DEGREES PAUSE: one xdotool run moving the pointer round
# (500, 380) through POINTS steps over DEGREES, PAUSE seconds apart.
draw() {
  local args=()
  while read -r x y; do args+=(mousemove "$x" "$y" sleep "$4"); done < <(
    awk -v r="$1" -v n="$2" -v deg="$3" 'BEGIN { for (i = 0; i <= n; i++) { a = deg * i / n * 3.14159265 / 180;
      printf "%d %d\n", 500 + r * cos(a), 380 + r * sin(a) } }')
  xdotool "${args[@]}"
  sleep 1.5  # older than any loop's start before the next drawing
}

# iexplore_pids: the browser processes of this test's Wine prefix.
iexplore_pids() {
  local p
  for p in $(pgrep -f -i 'iexplore\.exe'); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
}
[ -z "$(iexplore_pids)" ] || e2e_fail "a browser of this prefix runs already"

draw 150 40 360 0.075   # slow: 3 s for the loop
draw 50 40 360 0.02     # small: radius 50
draw 150 20 180 0.04    # half a circle in 0.8 s
[ "$(wh_log_count "OK, User draw a circle.")" -eq 0 ] || e2e_fail "a circle was detected in a slow, small or half circle"

draw 150 40 360 0.02    # radius 150 in about 0.8 s
e2e_wait_file_has "$WH_LOG" "OK, User draw a circle." 5 || e2e_fail "the circle was not detected"
[ "$(wh_log_count "OK, User draw a circle.")" -eq 1 ] || e2e_fail "more than one circle detected"
e2e_file_has "$WH_LOG" "paused : 0, TwoPointToFar : 0, TooNearScreenEdge : 0" || e2e_fail "no trace line"
e2e_wait_file_has "$WH_LOG" "No Quorvel main window: nothing started for request 2" 5 || e2e_fail "no line: nothing started"
sleep 3
[ -e "$BROWSER_LOG" ] || [ -n "$(iexplore_pids)" ] && e2e_fail "a browser was started without Quorvel.exe"

# --- with Quorvel.exe: the registered browser, by its full path, a new window
touch "$WH_DIR/hookdriver.stop"
e2e_wait_until 10 bash -c "[ ! -e '$WH_DIR/hookdriver.stop' ]" || e2e_fail "the hook driver did not stop"
e2e_start "$WH_DIR/Quorvel.exe" >/dev/null
e2e_wait_until 30 bash -c "xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null" ||
  e2e_fail "Quorvel.exe did not start"
e2e_wait_until 30 bash -c "! xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null"
draw 150 40 360 0.02
e2e_wait_file_has "$BROWSER_LOG" "msedge.exe|" 20 || e2e_fail "Quorvel.exe did not start the registered browser"
[ "$(tr -d '\r' <"$BROWSER_LOG")" = "msedge.exe|--new-window" ] || e2e_fail "not started for a new window: $(cat "$BROWSER_LOG")"
e2e_pass
