# Auto click, with Quorvel started with /dwell (which stores the preference):
# 1. AutoClickMessage posted with the pointer over a test window: the box
#    appears beside the pointer; moving onto it and resting hides it and
#    clicks once at the remembered point, the pointer back where it rested;
#    no new box follows the box's own click.
# 2. Ctrl+Alt+F11 opens the box; reached only on its label it goes after 2 s, no click.
# 3. Resting the pointer about a second opens the box (dwell).
# The debug trace "d:\vbdebug.txt" goes to a scratch drive D:.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
BOX=Form1
USER_KEY='HKCU\Software\Harnwick\Quorvel'
ctl_install_app
ctl_ctrl_alt_fkeys
# The drive link goes with the test: the next one starts with the prefix's own links.
DRIVE_D="$WINEPREFIX/dosdevices/d:"
mkdir -p "$E2E_TMP/d"; rm -f "$DRIVE_D"; ln -s "$E2E_TMP/d" "$DRIVE_D"

CLICKS="$E2E_TMP/clicks.txt"
e2e_start "$QUORVEL_BIN/clickwin.exe" "Auto click target" "$(e2e_winpath "$E2E_TMP")\\clicks.txt" >/dev/null
e2e_wait_window "Auto click target" 20 >/dev/null || e2e_fail "the test window did not open"
xdotool mousemove 1000 700
QUORVEL=$(e2e_start "$APP/Quorvel.exe" /dwell)
ctl_wait_animation_done || e2e_fail "the start animation did not run"
[ "$(e2e_reg_query AutoClickDwell "$USER_KEY")" = 0x1 ] || e2e_fail "/dwell did not store the preference"
probe=$(ctl_probe form "$BOX")
[ "$(echo "$probe" | ctl_field visible)/$(echo "$probe" | ctl_field userdata)" = 0/0xAAAAAAAA ] ||
  e2e_fail "the box is shown or unmarked at start: $probe"
dpi=$(echo "$probe" | awk '$1=="dpi" { print $2 }')
SIZE="$(ctl_twips_px 768 "$dpi")x$(ctl_twips_px 552 "$dpi")"
clicks() { echo "$(e2e_count_in_file "$CLICKS" "click mapped=")/$(e2e_count_in_file "$CLICKS" "release at=")"; }
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1,\2/'; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# expect_box_at X Y: shown, on top, 768 x 552 twips, corner at X,Y, labelled "Click".
expect_box_at() {
  local p; p=$(ctl_probe form "$BOX")
  [ "$(echo "$p" | ctl_field visible)$(echo "$p" | ctl_field topmost)" = 11 ] || e2e_fail "box not shown on top: $p"
  local got; got="$(echo "$p" | ctl_field x),$(echo "$p" | ctl_field y) $(echo "$p" | ctl_field w)x$(echo "$p" | ctl_field h)"
  [ "$got" = "$1,$2 $SIZE" ] || e2e_fail "box at $got, expected $1,$2 $SIZE"
  echo "$p" | grep -q '^ctl .*|Click$' || e2e_fail "no \"Click\" label on the box"
}

# 1. Posted message; onto the box's surface (below and right of the label) and rest.
xdotool mousemove 250 250
ctl_probe post "$BOX" 0xC004 || e2e_fail "could not post to the box"
e2e_wait_until 3 ctl_visible "$BOX" || e2e_fail "AutoClickMessage did not show the box"
expect_box_at 260 260
ctl_check_layout "$BOX" "$(dirname "${BASH_SOURCE[0]}")/auto_click_form.table" || e2e_fail "box layout"
e2e_screenshot "$CTL_SHOTS/auto-click-box.png"; e2e_log "screenshot of the box: $CTL_SHOTS/auto-click-box.png"
xdotool mousemove 275 293; sleep 0.1; xdotool mousemove 300 290; sleep 0.1; xdotool mousemove 302 291
moved=$(now_ms)
e2e_wait_until 4 ctl_hidden "$BOX" || e2e_fail "the box did not go after the rest"
[ $(( $(now_ms) - moved )) -ge 450 ] || e2e_fail "the click came too soon after the last movement"
sleep 2.5  # the pointer rests where the box was: no new box, no second click
[ "$(clicks)" = 1/1 ] || e2e_fail "expected one press and one release: $(cat "$CLICKS" 2>/dev/null)"
e2e_file_has "$CLICKS" "click mapped=1 at=250,250" && e2e_file_has "$CLICKS" "release at=250,250" &&
  ! e2e_file_has "$CLICKS" other || e2e_fail "not a left click at the remembered point: $(cat "$CLICKS")"
[ "$(pointer)" = 302,291 ] || e2e_fail "the pointer is at $(pointer), not back at 302,291"
ctl_hidden "$BOX" || e2e_fail "a box came back after the click"

# 2. The hotkey, and a box reached only on its label, which does not count.
#    The pointer has not moved since the click, so no dwell can open a box here.
xdotool key ctrl+alt+F11; pressed=$(now_ms)
e2e_wait_until 2 ctl_visible "$BOX" || e2e_fail "Ctrl+Alt+F11 did not show the box"
expect_box_at 312 301
xdotool mousemove 320 308; sleep 0.2; xdotool mousemove 325 310
e2e_wait_until 4 ctl_hidden "$BOX" || e2e_fail "the box never reached did not go"
shown_for=$(( $(now_ms) - pressed ))
[ "$shown_for" -ge 1700 ] && [ "$shown_for" -le 3500 ] || e2e_fail "the box went after $shown_for ms, not 2 s"
sleep 1.5
[ "$(clicks)" = 1/1 ] || e2e_fail "the box never reached clicked: $(cat "$CLICKS")"
ctl_hidden "$BOX" || e2e_fail "the box came back while the pointer kept still"

# 3. Dwell: moving and resting opens the box by itself.
xdotool mousemove 150 300; sleep 0.05; xdotool mousemove 152 301; rested=$(now_ms)
e2e_wait_until 3 ctl_visible "$BOX" || e2e_fail "resting the pointer did not open the box"
[ $(( $(now_ms) - rested )) -ge 800 ] || e2e_fail "the box opened before a second of rest"
expect_box_at 162 311
e2e_wait_until 4 ctl_hidden "$BOX" || e2e_fail "the dwell box did not go"
[ "$(clicks)" = 1/1 ] || e2e_fail "the dwell box clicked by itself"

for line in "x : 250 y : 250" "Move in auto click form" "SimulateClick x : 250 y : 250" "x : 302 y : 291" \
            "Hider timer out" "x : 152 y : 301"; do
  e2e_file_has "$E2E_TMP/d/vbdebug.txt" "$line" || e2e_fail "no \"$line\" in the trace"
done
kill -0 "$QUORVEL" 2>/dev/null || e2e_fail "the program ended"
e2e_pass
