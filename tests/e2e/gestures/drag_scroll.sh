# Drag-to-scroll over a browser page: with a main window registered, the
# middle button pressed over an "Internet Explorer_Server" window and held
# still for a moment, then moved, sends one step per movement (screen
# position, content window) and one end at the release; the page still gets
# the press and the release, and such a drag never minimizes, even when it
# goes sideways. A middle drag that moves at once still minimizes, over a
# plain window and over the page alike. With Quorvel.exe, pages scroll: an
# Internet Explorer page through its document, a Chromium page of msedge.exe
# by wheel turns; Code.exe's gets none.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/gestures_lib.sh"
g_install
# The hook driver plays Quorvel.exe's main window, under that program's
# name: the hooks post steps only to a window of Quorvel.exe's process.
mkdir -p "$E2E_TMP/driver"; cp "$QUORVEL_BIN/hookdriver.exe" "$E2E_TMP/driver/Quorvel.exe"
DRIVER=$(e2e_start "$E2E_TMP/driver/Quorvel.exe" "$(e2e_winpath "$G_DIR")" version marker start mainwin wait)
OUT="$E2E_TMP/Quorvel.exe.out"
e2e_wait_file_has "$OUT" "waiting" 30 || e2e_fail "hook driver did not start: $(cat "$OUT" 2>/dev/null)"
grep -q "startHook=1" "$OUT" || e2e_fail "startHook failed: $(cat "$OUT")"

# hold_drag X1 Y1 X2 Y2: press, rest 500 ms, move in six steps, release.
hold_drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4 i
  sleep 0.6; xdotool mousemove "$x1" "$y1"; sleep 0.05
  xdotool mousedown 2; sleep 0.5
  for i in 1 2 3 4 5 6; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 6 )) $(( y1 + (y2 - y1) * i / 6 )); sleep 0.03
  done
  sleep 0.05; xdotool mouseup 2; sleep 0.1
}
lines() { tr -d '\r' <"$OUT" | grep -c "^$1 " || true; }

g_testwin ie --title "IE page" --child "Internet Explorer_Server" --rect 100,100,500,400
page=$G_CHILD; ielog=$(g_winlog ie)

# --- held, then down: a stream of steps, then one end
hold_drag 350 200 350 260
e2e_wait_until 10 bash -c "tr -d '\r' <'$OUT' | grep -q '^end '" || e2e_fail "no end reached the main window"
steps=$(tr -d '\r' <"$OUT" | grep '^step ')
e2e_log "steps: $(echo "$steps" | tr '\n' ';')"
[ "$(echo "$steps" | wc -l)" -ge 4 ] || e2e_fail "too few steps: $steps"
echo "$steps" | grep -qv "^step x=350 y=[0-9]* window=$page$" && e2e_fail "a step with wrong parameters"
echo "$steps" | head -1 | grep -qx "step x=350 y=200 window=$page" || e2e_fail "the first step is not the press point"
echo "$steps" | tail -1 | grep -qx "step x=350 y=260 window=$page" || e2e_fail "the last step is not at the release point"
echo "$steps" | sed 's/.* y=\([0-9]*\) .*/\1/' | sort -c -n || e2e_fail "steps not in order of the movement"
[ "$(lines end)" = 1 ] || e2e_fail "not exactly one end"
tr -d '\r' <"$OUT" | grep -qx "end x=350 y=260 window=$page" || e2e_fail "end: $(grep '^end' "$OUT")"
e2e_wait_file_has "$ielog" "child WM_MBUTTONUP" 5 || e2e_fail "the page did not get the release"
e2e_file_has "$ielog" "child WM_MBUTTONDOWN" || e2e_fail "the page did not get the press"
e2e_file_has "$G_LOG" "drag scrolls" || e2e_fail "no log line for the scrolling drag"

# --- held, then sideways: it scrolls and does not minimize
n=$(lines step)
hold_drag 350 300 290 300
e2e_wait_until 10 bash -c "[ \$(tr -d '\r' <'$OUT' | grep -c '^end ') -ge 2 ]" || e2e_fail "no second end"
[ "$(lines step)" -gt "$n" ] || e2e_fail "the sideways scrolling drag sent no steps"
sleep 0.5
[ "$(g_state iconic --title "IE page")" = 0 ] || e2e_fail "a scrolling drag minimized the browser"
e2e_file_has "$G_LOG" "Detect Middle button drag left action" && e2e_fail "a scrolling drag was taken as a size drag"

# --- moved at once: minimizes a plain window, and the browser too
g_testwin plain --title "Plain target" --rect 620,100,300,300
g_drag 2 770 250 730 250
g_expect_state iconic 1 10 --title "Plain target" || e2e_fail "a quick drag left did not minimize the plain window"
n=$(lines step)
g_drag 2 350 250 310 250
g_expect_state iconic 1 10 --title "IE page" || e2e_fail "a quick drag left did not minimize the browser"
[ "$(lines step)" = "$n" ] && [ "$(lines end)" = 2 ] || e2e_fail "a quick drag sent steps or an end"

# --- the whole way, with Quorvel.exe as the main window and a page in
# another process that hands out its document object through COM: a held
# drag down of 60 px scrolls the page down by 60 px.
touch "$G_DIR/hookdriver.stop"
e2e_wait_until 10 bash -c "[ ! -e '$G_DIR/hookdriver.stop' ]" || e2e_fail "the hook driver did not stop: $(tail -3 "$OUT")"
e2e_start "$G_DIR/Quorvel.exe" >/dev/null
e2e_wait_until 30 bash -c "xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null" ||
  e2e_fail "Quorvel.exe did not start"
e2e_wait_until 30 bash -c "! xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null"
pagelog="$E2E_TMP/fakepage.log"
e2e_start "$QUORVEL_BIN/fakepage.exe" --log "$(e2e_winpath "$E2E_TMP")\\fakepage.log" --rect 100,100,500,400 >/dev/null
e2e_wait_file_has "$pagelog" "ready top=" 30 || e2e_fail "the fake page did not start"
hold_drag 350 200 350 260
e2e_wait_until 10 bash -c "tr -d '\r' <'$pagelog' | grep -q 'top=160$'" ||
  e2e_fail "the page was not scrolled down by 60: $(tr -d '\r' <"$pagelog" | tr '\n' ';')"
e2e_log "page: $(tr -d '\r' <"$pagelog" | tr '\n' ';')"
e2e_file_has "$pagelog" "getobject" || e2e_fail "the document was never asked for"
# one scroll per step handled, each down; a step that came while the page was
# being asked is left out and the next one makes up for it
tr -d '\r' <"$pagelog" | grep '^scrollBy' | grep -qv '^scrollBy 0 [1-9][0-9]* ' && e2e_fail "a scroll that was not down"

# --- today's browsers: wheel turns below a notch to msedge.exe's page, at
# the press point, 1.2 units a pixel; none to Code.exe's
g_testwin_as msedge.exe edge --title "Edge page" "${G_CHROMIUM[@]}" --rect 100,420,500,330
hold_drag 350 580 350 640
e2e_wait_file_has "$(g_winlog edge)" "child WM_MOUSEWHEEL" 10 || e2e_fail "no wheel turn reached the Edge page"; sleep 1
turns=$(tr -d '\r' <"$(g_winlog edge)" | sed -n 's/^child WM_MOUSEWHEEL wParam=0x\([0-9a-f]*\)0010 lParam=0x244015e .*/\1/p')
sum=0; for t in $turns; do [ $((0x$t)) -gt $((0xff88)) ] || e2e_fail "a turn not down or of a notch: $t"; sum=$(( sum + 0x$t - 65536 )); done
[ "$sum" = -72 ] && [ "$(e2e_count_in_file "$(g_winlog edge)" "child WM_MOUSEWHEEL")" = "$(echo $turns | wc -w)" ] ||
  e2e_fail "60 px down made $sum wheel units in turns at the press point, not -72"
e2e_stop "$G_PID"
g_testwin_as Code.exe code --title "Code editor" "${G_CHROMIUM[@]}" --rect 100,420,500,330
hold_drag 350 580 350 640
e2e_wait_file_has "$(g_winlog code)" "child WM_MBUTTONUP" 10 || e2e_fail "the editor did not get its middle button"
sleep 1
[ "$(e2e_count_in_file "$(g_winlog code)" "WM_MOUSEWHEEL")" = 0 ] || e2e_fail "the editor got wheel turns"
e2e_pass
