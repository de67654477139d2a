# Start, second start, the main form, Stop, and the library files across
# two starts (the second one the first after installation, from another
# working folder: the tutorial is offered and started, even though the start
# animation was closed by its close box, and only once for this user, with
# nothing written to the machine-wide key).
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
HERE=$(dirname "${BASH_SOURCE[0]}")

ctl_install_app
rm -f "$APP/system2.dat" "$APP/Nouse.dat"
USER_KEY='HKCU\Software\Harnwick\Quorvel'
e2e_reg_delete TutorialOfferedFor "$USER_KEY"
e2e_reg_set_dword Setting 0xFFFF

e2e_start "$CTL_TARGET" "Control Target" 100 100 >/dev/null
e2e_start "$CTL_TARGET" "Control Target 2" 500 100 >/dev/null
e2e_wait_window "Control Target 2" 20 >/dev/null || e2e_fail "target windows did not open"
xdotool mousemove 1000 700

# First start: hooks, start animation, version line.
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
e2e_wait_window "Quorvel is starting" 20 >/dev/null || e2e_fail "no start animation"
e2e_wait_until 5 bash -c "xdotool search --onlyvisible --name '^Quorvel is starting \. \.' >/dev/null" ||
  e2e_fail "the caption does not count dots"
e2e_screenshot "$CTL_SHOTS/animation-counting.png"
e2e_wait_window "Quorvel has been started." 10 >/dev/null || e2e_fail "no final caption"
e2e_screenshot "$CTL_SHOTS/animation-started.png"
probe=$(ctl_probe form "Quorvel has been started.")
x=$(echo "$probe" | ctl_field x); w=$(echo "$probe" | ctl_field w); cw=$(echo "$probe" | ctl_field cw)
dpi=$(echo "$probe" | awk '$1=="dpi" { print $2 }')
[ "$cw" = "$(ctl_twips_px 6096 "$dpi")" ] || e2e_fail "animation client width $cw"
[ $(( x + w / 2 - 512 )) -le 2 ] && [ $(( 512 - x - w / 2 )) -le 2 ] || e2e_fail "animation not centred: x=$x w=$w"
ctl_wait_animation_done || e2e_fail "the start animation did not end"
e2e_screenshot "$CTL_SHOTS/animation-done.png"
e2e_wait_file_has "$APP/QuorvelLog.txt" "Quorvel version 2.1 Build 20" || e2e_fail "no version line in the debug log"
[ ! -e "$APP/system2.dat" ] && [ ! -e "$APP/Nouse.dat" ] || e2e_fail "first start moved library files"

e2e_drag 2 300 200 200 200
e2e_wait_until 5 ctl_iconic "Control Target" ||
  e2e_fail "a middle drag to the left did not minimize the window: hooks not installed"

# Second start: hands over to the running instance and ends.
snapshot() { (cd "$APP" && ls -l --time-style=+%s.%N && md5sum ./*); }
before=$(snapshot)
ctl_probe form Quorvel >/dev/null
e2e_run "$APP/Quorvel.exe" >/dev/null || e2e_fail "the second start did not end by itself"
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
shown_height() { [ "$(ctl_form_field Quorvel h)" = "$(ctl_twips_px 1248 "$dpi")" ]; }
e2e_wait_until 5 shown_height ||
  e2e_fail "the main window is not 1248 twips high"
probe=$(ctl_probe form Quorvel)
echo "$probe" >"$CTL_SHOTS/main-form.txt"
read -r fw fh < <(echo "$probe" | awk '$1=="full" { print $2, $3 }')
x=$(echo "$probe" | ctl_field x); y=$(echo "$probe" | ctl_field y)
w=$(echo "$probe" | ctl_field w); h=$(echo "$probe" | ctl_field h)
[ "$(echo "$probe" | ctl_field fg)" = 1 ] || e2e_fail "the main window is not in front"
[ "$(echo "$probe" | ctl_field userdata)" = 0xAAAAAAAA ] || e2e_fail "the main window has no marker"
[ "$(echo "$probe" | ctl_field class)" = ThunderRT6FormDC ] || e2e_fail "wrong main window class"
ex=$(( (fw - w) / 2 )); ey=$(( (fh - h) / 2 ))
[ $(( x - ex )) -le 1 ] && [ $(( ex - x )) -le 1 ] && [ $(( y - ey )) -le 1 ] && [ $(( ey - y )) -le 1 ] ||
  e2e_fail "main window at $x,$y, not centred on the $fw x $fh work area"
ctl_check_layout Quorvel "$HERE/main_form.table" || e2e_fail "main form layout"
ctl_check_tab_order Quorvel "$HERE/main_form.table" 4 || e2e_fail "tab order"
e2e_screenshot "$CTL_SHOTS/main-form.png"
[ "$(snapshot)" = "$before" ] || e2e_fail "the second start touched files"
[ "$(e2e_count_in_file "$APP/QuorvelLog.txt" "Quorvel version")" = 1 ] || e2e_fail "the second start loaded the library"

# No Close: neither Alt+F4 nor the system menu's Close command closes it.
# (Without a window manager keys go to the window under the pointer.)
xdotool mousemove $(( x + w / 2 )) $(( y + h - 6 )); sleep 0.3
xdotool key alt+F4; ctl_probe close Quorvel
sleep 1.5
ctl_visible Quorvel || e2e_fail "the main window was closed"
# Esc is "&Continue": the window hides, the program goes on.
xdotool key Escape
e2e_wait_until 5 ctl_hidden Quorvel || e2e_fail "Esc did not hide the main window"
kill -0 "$QUORVEL" 2>/dev/null || e2e_fail "the program ended"

# "&Stop": hooks removed, the program ends, "system2.dat" made.
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown again"
ctl_click Quorvel "&Stop" || e2e_fail "no Stop button"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "Stop did not end the program"
cmp -s "$APP/system.dat" "$APP/system2.dat" || e2e_fail "no pristine copy system2.dat after Stop"
e2e_drag 2 700 200 600 200
sleep 1
! ctl_iconic "Control Target 2" || e2e_fail "the middle drag still works after Stop"

# Next start, the first after installation, from another working folder.
cp "$APP/system.dat" "$E2E_TMP/first.dat"
echo "pristine" >>"$APP/system2.dat"   # marks the copy (a PE image ignores trailing bytes)
cp "$APP/system2.dat" "$E2E_TMP/pristine.dat"
echo "old" >"$APP/Nouse.dat"; chmod a-w "$APP/Nouse.dat"
cp "$QUORVEL_BIN/control_fake_tutorial.exe" "$APP/QuorvelTutorial.exe"
e2e_reg_set_dword FirstStart 1
wine reg add "$E2E_KEY" /v InstallStamp /t REG_SZ /d "2026-12-08 10:00:00" /f >/dev/null 2>&1
mkdir -p "$E2E_TMP/elsewhere"
QUORVEL=$(cd "$E2E_TMP/elsewhere" && e2e_start "$APP/Quorvel.exe")
e2e_wait_window "Quorvel is starting" 20 >/dev/null || e2e_fail "no start animation on the next start"
cmp -s "$APP/Nouse.dat" "$E2E_TMP/first.dat" || e2e_fail "system.dat was not moved to Nouse.dat"
cmp -s "$APP/system.dat" "$E2E_TMP/pristine.dat" || e2e_fail "system2.dat was not copied to system.dat"
# The close box only hides the animation: it still ends and offers the tutorial.
e2e_wait_window "Quorvel has been started." 10 >/dev/null || e2e_fail "no final caption on the next start"
ctl_probe close "Quorvel has been started." || e2e_fail "the animation was not found"
offered() { ctl_probe form Quorvel | grep -qF '|The following tutorial will teach you how to use mouse shortcuts step by step.'; }
e2e_wait_until 20 offered ||
  e2e_fail "the tutorial was not offered"
e2e_screenshot "$CTL_SHOTS/tutorial-offer.png"
ctl_click Quorvel OK || e2e_fail "no OK on the tutorial offer"
e2e_wait_file_has "$APP/tutorial-started.txt" "QuorvelTutorial.exe" 10 || e2e_fail "the tutorial was not started"
grep -q '" 0\|exe 0' "$APP/tutorial-started.txt" || e2e_fail "the tutorial got no argument 0: $(cat "$APP/tutorial-started.txt")"
[ "$(e2e_reg_query FirstStart)" = 0x1 ] || e2e_fail "the machine-wide first-start mark was written"
[ "$(e2e_reg_query TutorialOfferedFor "$USER_KEY")" = 2026-12-08 ] ||
  e2e_fail "the offer was not recorded for this user: $(e2e_reg_query TutorialOfferedFor "$USER_KEY")"
ctl_probe form "Quorvel has been started." | grep -q '^form .* visible=0' || e2e_fail "the closed animation was unloaded"

e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
ctl_click Quorvel "&Stop"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "Stop did not end the program"
cmp -s "$APP/system2.dat" "$E2E_TMP/pristine.dat" || e2e_fail "an existing system2.dat was replaced at exit"

# The start after that, same installation and user: no offer.
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the start animation did not run again"
sleep 2
! offered || e2e_fail "the tutorial was offered twice for one installation"
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
ctl_click Quorvel "&Stop"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "Stop did not end the program"

# Without a hook library the hooks cannot start: the user is told, the program ends.
BARE=$E2E_TMP/bare; mkdir -p "$BARE"; cp "$APP/Quorvel.exe" "$BARE/"
QUORVEL=$(e2e_start "$BARE/Quorvel.exe")
failure_shown() {
  ctl_probe form Quorvel | grep -qF '|Error when starting Quorvel. Please stop any other mouse enhancement software and try again. If this problem still exists, report a bug to '
}
e2e_wait_until 20 failure_shown || e2e_fail "no start failure message"
e2e_screenshot "$CTL_SHOTS/start-failure.png"
ctl_click Quorvel OK || e2e_fail "no OK on the start failure message"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "the program did not end after a failed start"
e2e_pass
