# Helpers of scripts/demo.sh (sourced after tests/e2e/lib/e2e.sh): screenshots,
# report rows, sample windows, one function per kind of demonstration.

DEMO_ROWS=0
# demo_shot NAME: a screenshot of the whole display as REPORT/NAME.png.
demo_shot() { e2e_screenshot "$REPORT/$1.png"; }

# demo_row FEATURE WHAT-HAPPENED BEFORE AFTER: one line of the report.
demo_row() {
  DEMO_ROWS=$((DEMO_ROWS + 1))
  printf '%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" >>"$REPORT/steps.txt"
  echo "demo: $1: $2"
}

# demo_window KEY TITLE X,Y,W,H [testwin options]: one of our sample windows,
# logging what it receives to E2E_TMP/KEY.log.
demo_window() {
  local key=$1 title=$2 rect=$3; shift 3
  local pid
  pid=$(e2e_start "$QUORVEL_BIN/testwin.exe" --title "$title" --rect "$rect" \
        --log "$(e2e_winpath "$E2E_TMP")\\$key.log" "$@")
  echo "$pid" >"$E2E_TMP/$key.pid"
  e2e_wait_file_has "$E2E_TMP/$key.log" "ready top=" 30 || e2e_log "sample window $title did not open"
}
demo_pid() { cat "$E2E_TMP/$1.pid" 2>/dev/null; }
# demo_window_as FILE KEY TITLE X,Y,W,H [testwin options]: the same, run as
# the program FILE (a browser's file name: Quorvel tells browsers by it).
demo_window_as() {
  local file=$1; shift
  [ -f "$E2E_TMP/$file" ] || cp "$QUORVEL_BIN/testwin.exe" "$E2E_TMP/$file"
  local key=$1 title=$2 rect=$3; shift 3
  echo "$(e2e_start "$E2E_TMP/$file" --title "$title" --rect "$rect" \
          --log "$(e2e_winpath "$E2E_TMP")\\$key.log" "$@")" >"$E2E_TMP/$key.pid"
  e2e_wait_file_has "$E2E_TMP/$key.log" "ready top=" 30 || e2e_log "sample window $title did not open"
}

demo_state() {  # FIELD TITLE: a field of probe.exe's line for the window
  e2e_run "$QUORVEL_BIN/probe.exe" --title "$2" | sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p"
}

# demo_act ACTION: g B X1 Y1 X2 Y2 (drag), d B X Y (double-click), c X Y
# (left and right together), o (a circle of radius 150 round 320,520).
demo_act() {
  set -- $1
  case $1 in
    g) sleep 0.6; e2e_drag "$2" "$3" "$4" "$5" "$6" ;;
    d) sleep 0.6; xdotool mousemove "$3" "$4"; sleep 0.2; xdotool click --repeat 2 --delay 150 "$2" ;;
    c) sleep 0.6; xdotool mousemove "$2" "$3"; sleep 0.2
       xdotool mousedown 1; sleep 0.1; xdotool mousedown 3; sleep 0.1; xdotool mouseup 1; sleep 0.1; xdotool mouseup 3 ;;
    h) sleep 0.6; xdotool mousemove "$2" "$3"; sleep 0.05; xdotool mousedown 2; sleep 0.5  # held still: drag to scroll
       local i; for i in 1 2 3 4 5 6; do xdotool mousemove $(( $2 + ($4 - $2) * i / 6 )) $(( $3 + ($5 - $3) * i / 6 )); sleep 0.03; done
       sleep 0.2; xdotool mouseup 2 ;;
    o) local args=() x y
       while read -r x y; do args+=(mousemove "$x" "$y" sleep 0.02); done < <(
         awk 'BEGIN { for (i = 0; i <= 40; i++) { a = 2 * 3.14159265 * i / 40; printf "%d %d\n", 320 + 150 * cos(a), 520 + 150 * sin(a) } }')
       xdotool "${args[@]}" ;;
  esac
}

# demo_check CHECK: state FIELD VALUE TITLE | log TEXT | key KEY VK NAME | wheel KEY; waits up to 5 s.
demo_check() {
  local kind=$1; shift
  case $kind in
    state) e2e_wait_until 5 demo_state_is "$@" ;;
    log) e2e_wait_until 5 e2e_file_has "$LOG" "$*" ;;
    key) e2e_wait_until 5 e2e_file_has "$E2E_TMP/$1.log" "KEYDOWN wParam=$2 " ;;
    wheel) e2e_wait_until 5 e2e_file_has "$E2E_TMP/$1.log" "child WM_MOUSEWHEEL" ;;
  esac
}
demo_state_is() { local field=$1 value=$2; shift 2; [ "$(demo_state "$field" "$*")" = "$value" ]; }

# demo_gesture FEATURE HOW ACTION CHECK: performs one shortcut and says what happened.
demo_gesture() {
  local feature=$1 how=$2 action=$3 check=$4 shot
  shot=$(echo "$feature" | tr 'A-Z' 'a-z' | tr -c 'a-z0-9\n' '-' | sed 's/--*/-/g; s/-$//')
  demo_shot "$shot-before"
  demo_act "$action"
  if demo_check $check; then
    demo_row "$feature" "Done: $how; $(demo_seen $check)." "$shot-before" "$shot-after"
  else
    demo_row "$feature" "NOT SEEN: $how; expected $(demo_seen $check), which did not happen within 5 s." "$shot-before" "$shot-after"
  fi
  sleep 0.3; demo_shot "$shot-after"
}
demo_seen() {
  local kind=$1; shift
  case $kind in
    state) local f=$1 v=$2; shift 2
           case "$f=$v" in
             iconic=1) echo "\"$*\" was minimized" ;; zoomed=1) echo "\"$*\" was maximized" ;;
             zoomed=0) echo "\"$*\" was restored" ;; found=0) echo "\"$*\" was closed" ;; *) echo "$f=$v" ;;
           esac ;;
    log) echo "the debug log says \"$*\"" ;;
    key) echo "the window received ${*:3}" ;;
    wheel) echo "the page received $(e2e_count_in_file "$E2E_TMP/$1.log" "child WM_MOUSEWHEEL") wheel turns of less than a notch each" ;;
  esac
}

demo_smart_move() {
  local out="$E2E_TMP/wh_dialog.exe.out" pos L T R B
  xdotool mousemove 20 740; demo_shot smart-move-before
  e2e_start "$QUORVEL_BIN/wh_dialog.exe" >/dev/null
  if e2e_wait_file_has "$out" "dialog=" 20; then
    read -r L T R B < <(tr -d '\r' <"$out" | sed -n 's/^dialog=[0-9a-f]* rect=\(.*\),\(.*\),\(.*\),\(.*\) button=.*$/\1 \2 \3 \4/p' | tail -1)
    e2e_wait_until 5 demo_pointer_in "$L" "$T" "$R" "$B"
    pos=$(xdotool getmouselocation | sed -n 's/^x:\([0-9-]*\) y:\([0-9-]*\).*/\1 \2/p')
    demo_shot smart-move-after
    set -- $pos
    if [ "$1" -ge "$L" ] && [ "$1" -le "$R" ] && [ "$2" -ge "$T" ] && [ "$2" -le "$B" ]; then
      demo_row "Smart Move" "Done: a dialog box opened and the pointer glided from the corner into it, onto its button ($1,$2)." smart-move-before smart-move-after
    else
      demo_row "Smart Move" "NOT SEEN: a dialog box opened but the pointer stayed at $1,$2." smart-move-before smart-move-after
    fi
  else
    demo_shot smart-move-after
    demo_row "Smart Move" "NOT SEEN: the sample dialog did not open." smart-move-before smart-move-after
  fi
  e2e_stop "${E2E_PIDS[-1]}"
}

demo_pointer_in() {
  local x y
  read -r x y < <(xdotool getmouselocation | sed -n 's/^x:\([0-9-]*\) y:\([0-9-]*\).*/\1 \2/p')
  [ "$x" -ge "$1" ] && [ "$x" -le "$3" ] && [ "$y" -ge "$2" ] && [ "$y" -le "$4" ]
}

demo_cursor_go_away() {
  local out="$E2E_TMP/wh_edit.exe.out" cx cy
  e2e_start "$QUORVEL_BIN/wh_edit.exe" >/dev/null
  if e2e_wait_file_has "$out" "ready caret=" 20; then
    read -r cx cy < <(tr -d '\r' <"$out" | sed -n 's/^ready caret=\(.*\),\(.*\)$/\1 \2/p')
    xdotool mousemove $((cx + 3)) $((cy + 3)); sleep 0.3; xdotool click 1; sleep 0.3
    demo_shot cursor-go-away-before
    xdotool type --delay 120 "Hello"; sleep 1
    demo_shot cursor-go-away-after
    if [ "$(xdotool getmouselocation | sed -n 's/^x:\([0-9-]*\) y:.*/\1/p')" -gt $((cx + 3)) ]; then
      demo_row "Cursor Go Away" "Done: typing into a text box moved the pointer off the caret." cursor-go-away-before cursor-go-away-after
    else
      demo_row "Cursor Go Away" "NOT SEEN: the pointer stayed on the caret while typing." cursor-go-away-before cursor-go-away-after
    fi
  else
    demo_row "Cursor Go Away" "NOT SEEN: the sample text box did not open." "" ""
  fi
  e2e_stop "${E2E_PIDS[-1]}"
}

# The wheel turned over the focused window reaches the window under the
# pointer once the focused one has gone below it (see the wheel test).
demo_just_wheel_it() {
  local out="$E2E_TMP/wh_windows.exe.out"
  e2e_start "$QUORVEL_BIN/wh_windows.exe" "Wheel target" 300 300 300 200 "Focused window" 300 300 300 200 >/dev/null
  if e2e_wait_file_has "$out" "ready" 20; then
    xdotool mousemove 450 400; sleep 0.3; xdotool click 1; sleep 0.3; xdotool key m; sleep 0.3
    demo_shot just-wheel-it-before
    xdotool click 5; sleep 1
    demo_shot just-wheel-it-after
    if e2e_file_has "$out" "Wheel target wheel delta"; then
      demo_row "Just Wheel It" "Done: the wheel turn went to the window under the pointer, not to the one with the focus." just-wheel-it-before just-wheel-it-after
    else
      demo_row "Just Wheel It" "NOT SEEN: the window under the pointer got no wheel turn." just-wheel-it-before just-wheel-it-after
    fi
  else
    demo_row "Just Wheel It" "NOT SEEN: the sample windows did not open." "" ""
  fi
  e2e_stop "${E2E_PIDS[-1]}"
}

# demo_hotkey FEATURE KEYS CAPTION WHAT: presses the hotkey and looks for the window.
demo_hotkey() {
  local shot
  shot=$(echo "$1" | tr 'A-Z ' 'a-z-')
  xdotool mousemove 500 400; sleep 0.3
  demo_shot "$shot-before"
  xdotool key "$2"; sleep 1.2
  demo_shot "$shot-after"
  if xdotool search --onlyvisible --name "^$3\$" >/dev/null 2>&1 || ctl_probe form "$3" | grep -q 'visible=1'; then
    demo_row "$1" "Done: $2 showed $4." "$shot-before" "$shot-after"
    xdotool key Escape; xdotool mousemove 20 740; sleep 2.5
  else
    demo_row "$1" "NOT SEEN: $2 did not show $4 (not in this build, or the hotkey is taken)." "$shot-before" "$shot-after"
  fi
}

# The control panel (a second start shows it), the settings, the help.
demo_forms() {
  demo_shot panel-before
  e2e_run "$APP/Quorvel.exe" >/dev/null
  if e2e_wait_until 10 ctl_visible Quorvel; then
    sleep 0.5; demo_shot panel-after
    demo_row "Control panel" "Starting Quorvel again showed its panel (Stop, Continue, Setting, Help)." panel-before panel-after
    ctl_click Quorvel "Se&tting"
    if e2e_wait_window "Check to enable the features you want" 10 >/dev/null; then
      sleep 0.5; demo_shot settings-after
      demo_row "Settings form" "Setting opened the settings: one check box per feature." panel-after settings-after
      ctl_click "Check to enable the features you want" "&Cancel"; sleep 0.5
    else
      demo_row "Settings form" "NOT SEEN: Setting did not open the settings." panel-after panel-after
    fi
    ctl_click Quorvel "&Help"
    if e2e_wait_until 15 demo_help_viewer; then
      sleep 1; demo_shot help-after
      demo_row "Help" "Help started the help viewer on Quorvel.chm and hid the panel." panel-after help-after
    else
      demo_shot help-after
      demo_row "Help" "NOT SEEN: Help started no viewer." panel-after help-after
    fi
  else
    demo_shot panel-after
    demo_row "Control panel" "NOT SEEN: a second start did not show the panel." panel-before panel-after
  fi
}

demo_help_viewer() { ps -eo args | grep -i 'hh\.exe' | grep -v grep | grep -qiF "$(e2e_winpath "$APP")\Quorvel.chm"; }

# demo_tutorial_operation N: clicks the tutorial's operation N (its label).
demo_tutorial_operation() {
  local line
  line=$("$(e2e_wine_for)" "$QUORVEL_BIN/tutorial_probe.exe" list 2>/dev/null | tr -d '\r' | grep "^id=$((2000 + $1)) ")
  [ -n "$line" ] || return 0
  local x y
  read -r x y < <(echo "$line" | sed -n 's/.* sx=\([-0-9]*\) sy=\([-0-9]*\).*/\1 \2/p')
  xdotool mousemove $((x + 10)) $((y + 5)); sleep 0.2; xdotool click 1
}

demo_stop() {
  demo_shot stop-before
  e2e_run "$APP/Quorvel.exe" /exit >/dev/null
  if ctl_wait_gone "$QUORVEL" 15; then
    demo_row "Stop" "Quorvel.exe /exit asked the running Quorvel to stop; it removed its hooks and ended." stop-before stop-before
  else
    demo_row "Stop" "NOT SEEN: Quorvel still runs after /exit." stop-before stop-before
  fi
}

# index.html: one row per feature; contact-sheet.png: the after-pictures, labelled.
demo_report() {
  local feature what before after montage_args=()
  {
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Quorvel demonstration</title>'
    echo '<style>body{font-family:sans-serif;margin:16px} td{vertical-align:top;padding:4px 8px;border-bottom:1px solid #ccc} img{width:256px;border:1px solid #888} .no{color:#b00}</style></head><body>'
    echo "<h1>Quorvel demonstration</h1><p>$(date -u '+%Y-%m-%d %H:%M UTC'), Wine on a private Xvfb display, our own sample windows. Pictures: before and after each step (click for full size). <a href=\"contact-sheet.png\">Contact sheet</a>.</p>"
    echo '<table><tr><th>Feature</th><th>What happened</th><th>Before</th><th>After</th></tr>'
    while IFS=$'\t' read -r feature what before after; do
      local cls=""; case $what in NOT*) cls=' class="no"' ;; esac
      echo "<tr><td><b>$feature</b></td><td$cls>$what</td><td>$(demo_img "$before")</td><td>$(demo_img "$after")</td></tr>"
      if [ -n "$after" ] && [ -f "$REPORT/$after.png" ]; then montage_args+=(-label "$feature" "$REPORT/$after.png"); fi
    done <"$REPORT/steps.txt"
    echo '</table></body></html>'
  } >"$REPORT/index.html"
  montage "${montage_args[@]}" -tile 5x -geometry 320x240+4+4 -pointsize 14 "$REPORT/contact-sheet.png" 2>/dev/null ||
    e2e_log "no contact sheet"
}
demo_img() { [ -n "$1" ] && [ -f "$REPORT/$1.png" ] && echo "<a href=\"$1.png\"><img src=\"$1.png\" alt=\"$1\"></a>"; }
