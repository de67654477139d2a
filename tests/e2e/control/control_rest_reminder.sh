# The rest reminder: a should-rest report of the hook library (brought
# about by a driver that runs the library's minute clock 59 minutes ahead)
# shows the notice at the next tick of the one-minute timer (posted by the
# test rather than waited for). Left alone it
# slides into the top right corner, blinks and slides out; "OK" dismisses it.
# Shown twice, it blinks both times only 3 s after it arrived, and a WM_CLOSE
# in between leaves it loaded.
# Nothing may move or click while the report is awaited: any input would
# start a new work period in the library.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
HERE=$(dirname "${BASH_SOURCE[0]}")
NOTICE="Advice from Quorvel"

ctl_install_app
e2e_reg_set_dword Setting 0xFFFF

xdotool mousemove 0 767
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the start animation did not run"
e2e_log "started"

# track_notice FILE WAIT_MS SAMPLE_MS: follows the notice in the background
# from the moment it shows (lines end in CR LF).
track_notice() {
  "$(e2e_wine_for)" "$CTL_PROBE" track "$NOTICE" "$2" "$3" >"$1" 2>/dev/null &
  TRACKER=$!
  e2e_record "$TRACKER"
}

notice_height() { ctl_twips_px "$1" "$(ctl_probe form "$NOTICE" | awk '$1=="dpi" { print $3 }')"; }

# track_check FILE: what the track shows, as shell assignments: steps and
# upSteps (pixels slid in and out), downAt and blinkAt (ms), blinks, hidden, bad.
track_check() {
  awk '
    BEGIN { lastLabel = -1 }
    { split($1, t, "="); split($2, y, "="); split($3, v, "="); split($4, l, "=")
      if (v[2] == 1 && !hidden) {
        if (y[2] == 0 && !downAt) downAt = t[2]
        if (!downAt) { if (seen && y[2] < last) bad = "moved-up-while-sliding-in"; steps++ }
        if (downAt && y[2] < 0) { upSteps++; if (y[2] > last) bad = "moved-down-while-sliding-out" }
        if (l[2] == 0 && lastLabel == 1 && !blinkAt) { blinkAt = t[2]; if (!downAt) bad = "blinked-while-sliding-in" }
        if (l[2] == 1 && lastLabel == 0) blinks++   # the text is back: one blink
      }
      if (v[2] == 0 && seen) hidden = 1
      last = y[2]; lastLabel = l[2]; seen = 1 }
    END { printf "steps=%d upSteps=%d downAt=%d blinkAt=%d blinks=%d hidden=%d bad=%s\n",
                 steps, upSteps, downAt, blinkAt, blinks, hidden, bad }' <(tr -d '\r' <"$1")
}
# blinked_after_arriving: the blink began 3 s after the notice came down (the
# delay timer counts from the end of the slide, never from an earlier showing).
blinked_after_arriving() { [ -z "$bad" ] && [ $(( blinkAt - downAt )) -ge 2800 ] && [ $(( blinkAt - downAt )) -le 4500 ]; }

# First showing: "OK" during the blinking dismisses it at once, with no
# later blink or slide; the delay timer goes on ticking idly.
ctl_clock_to_hour
track_notice "$CTL_SHOTS/first-showing.txt" 40000 13000
ctl_minute_tick
e2e_log "clock run ahead and the minute tick posted"
e2e_wait_window "$NOTICE" 40 >/dev/null || e2e_fail "no reminder at the minute tick"
e2e_log "first reminder shown"
at_top() { [ "$(ctl_form_field "$NOTICE" y)" = 0 ]; }
e2e_wait_until 5 at_top || e2e_fail "the notice did not come down to the top edge"
probe=$(ctl_probe form "$NOTICE")
echo "$probe" >"$CTL_SHOTS/notice.txt"
e2e_screenshot "$CTL_SHOTS/notice-shown.png"
sw=$(echo "$probe" | awk '$1=="screen" { print $2 }')
x=$(echo "$probe" | ctl_field x); w=$(echo "$probe" | ctl_field w); h=$(echo "$probe" | ctl_field h)
[ $(( x + w )) = "$sw" ] || e2e_fail "the notice is not flush with the right edge: x=$x w=$w"
[ "$(echo "$probe" | ctl_field topmost)" = 1 ] || e2e_fail "the notice is not on top"
ctl_check_layout "$NOTICE" "$HERE/prompt_rest_form.table" || e2e_fail "notice layout"
ctl_check_tab_order "$NOTICE" "$HERE/prompt_rest_form.table" 1 || e2e_fail "tab order"
ok=$(ctl_control_line "$NOTICE" OK)
xdotool mousemove "$(echo "$ok" | sed -n 's/.* sx=\([-0-9]*\).*/\1/p')" "$(echo "$ok" | sed -n 's/.* sy=\([-0-9]*\).*/\1/p')"
blinking() { ctl_probe form "$NOTICE" | grep '|You have been' | grep -q 'visible=0'; }
e2e_wait_until 6 blinking || e2e_fail "the text did not blink"
e2e_screenshot "$CTL_SHOTS/notice-blinking.png"
xdotool click 1
e2e_wait_until 6 ctl_hidden "$NOTICE" || e2e_fail "OK did not dismiss the notice"
wait "$TRACKER"
eval "$(track_check "$CTL_SHOTS/first-showing.txt")"
blinked_after_arriving || e2e_fail "first showing: blinked $(( blinkAt - downAt )) ms after arriving ${bad}"
[ "$steps" -ge $(( h / 2 )) ] || e2e_fail "first showing slid in $steps steps for $h pixels"
[ "$hidden" = 1 ] || e2e_fail "first showing: not hidden after OK"
track_notice "$CTL_SHOTS/after-ok.txt" 7000 1
wait "$TRACKER"
! grep -q 't=' "$CTL_SHOTS/after-ok.txt" || e2e_fail "the notice came back after OK"
# Closed from outside while hidden: it stays loaded for the next showing.
ctl_probe post "$NOTICE" 0x10 || e2e_fail "the hidden notice was not found"  # WM_CLOSE
sleep 1
ctl_probe form "$NOTICE" >/dev/null || e2e_fail "WM_CLOSE unloaded the notice"

# Second showing, left alone: down from -h to 0 one pixel at a time, three
# blinks 3 s after it arrived, then up to -h and hidden.
ctl_clock_to_hour
track_notice "$CTL_SHOTS/second-showing.txt" 40000 13000
ctl_minute_tick
e2e_log "clock run ahead again and the next minute tick posted"
e2e_wait_window "$NOTICE" 40 >/dev/null || e2e_fail "no second reminder"
e2e_log "second reminder shown"
e2e_wait_until 15 ctl_hidden "$NOTICE" || e2e_fail "the notice did not go away by itself"
wait "$TRACKER"
eval "$(track_check "$CTL_SHOTS/second-showing.txt")"
blinked_after_arriving || e2e_fail "second showing: blinked $(( blinkAt - downAt )) ms after arriving ${bad}"
[ "$steps" -ge $(( h / 2 )) ] && [ "$upSteps" -ge $(( h / 2 )) ] ||
  e2e_fail "second showing slid $steps steps in and $upSteps out for $h pixels"
[ "$blinks" = 3 ] || e2e_fail "second showing: $blinks blinks"
[ "$hidden" = 1 ] || e2e_fail "second showing: not hidden"
kill -0 "$QUORVEL" 2>/dev/null || e2e_fail "the program ended"
e2e_pass
