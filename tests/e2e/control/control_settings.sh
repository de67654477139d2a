# The settings form: opens with the boxes of the current setting word,
# "&Cancel" changes nothing, "&OK" stores the word built from the boxes and
# every hooked process follows it at once. Closing it gives activation back
# to the main form, never to another program's window behind it. The
# hotkeys: one another program holds is said on the form; a new one typed
# into its field is stored with "&OK" and works at once. The word is the
# user's own (HKCU, before HKLM's) and holds after /exit and a start.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
HERE=$(dirname "${BASH_SOURCE[0]}")
FORM="Check to enable the features you want"

ctl_install_app
ctl_ctrl_alt_fkeys
# Forms are laid out at the display's real pixels per inch: this test runs at 120.
ctl_set_dpi 120
# The installer's word, and the user's with "C&lose" off and 0x0010 on.
USER_KEY='HKCU\Software\Harnwick\Quorvel'
e2e_reg_set_dword Setting 0xFFFF
e2e_reg_set_dword Setting 0x7BFF "$USER_KEY"

e2e_start "$CTL_TARGET" "Control Target" 100 100 >/dev/null
e2e_start "$CTL_TARGET" "Control Target 2" 500 100 >/dev/null
e2e_wait_window "Control Target 2" 20 >/dev/null || e2e_fail "target windows did not open"
# Another program holds the task switcher's hotkey (Ctrl+Alt+F10).
e2e_start "$QUORVEL_BIN/everyday_probe.exe" hotkey 3 0x79 >/dev/null
e2e_wait_file_has "$E2E_TMP/everyday_probe.exe.out" "held=1" 20 || e2e_fail "could not hold Ctrl+Alt+F10"
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the start animation did not run"

# Shows the main form and opens the settings with KEY (default Return; the
# Space bar presses the button with the focus, which is never "&Stop").
open_settings() {
  e2e_run "$APP/Quorvel.exe" >/dev/null
  e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
  local probe; probe=$(ctl_probe form Quorvel)
  xdotool mousemove $(( $(echo "$probe" | ctl_field x) + 100 )) $(( $(echo "$probe" | ctl_field y) + $(echo "$probe" | ctl_field h) - 6 ))
  sleep 0.3; xdotool key "${1:-Return}"
  e2e_wait_until 10 ctl_visible "$FORM" || e2e_fail "${1:-Return} on the main form did not open the settings"
  probe=$(ctl_probe form "$FORM")
  xdotool mousemove $(( $(echo "$probe" | ctl_field cx) + 5 )) $(( $(echo "$probe" | ctl_field cy) + 250 ))
  sleep 0.3
}

# box_checked TEXT: 1 when the check box with that caption is ticked.
box_checked() { ctl_control_line "$FORM" "$1" | sed -n 's/.* check=\([0-9]\).*/\1/p'; }

# expect_boxes WORD: every box shows its bit of WORD.
expect_boxes() {
  local word=$(( $1 )) probe text bit want got
  probe=$(ctl_probe form "$FORM")
  while IFS='|' read -r bit text; do
    want=$(( (word & bit) != 0 ))
    got=$(echo "$probe" | T="$text" awk -F'|' '$1 ~ /^ctl / && $2 == ENVIRON["T"] { print $1 }' | sed -n 's/.* check=\([0-9]\).*/\1/p')
    [ "$got" = "$want" ] || e2e_fail "box \"$text\" shows $got for word $1"
  done <<'BITS'
0x0001|&Smart Move
0x0004|Cursor, &Go Away
0x0008|&Rest Reminder
0x0002|&Just Wheel It / Easy Switching
0x0400|C&lose
0x0800|Ma&ximize/Restore
0x2000|Show &Desktop
0x1000|&Minimize
0x4000|S&witch to Last Application
0x0020|Go &Back
0x0040|Go &Forward
0x0080|Sto&p\r\n
0x0100|Open &URL Dialog Box
0x0200|Lau&nch a new IE
BITS
}

library_setting() { e2e_run "$CTL_DRIVER" "$APPWIN" setting | awk '{ print $2 }'; }

e2e_drag 2 300 200 200 200
e2e_wait_until 5 ctl_iconic "Control Target" || e2e_fail "the minimize gesture does not work before the change"

# A window of another program, just behind the main form once that is shown.
behind="$E2E_TMP/behind.log"
e2e_start "$QUORVEL_BIN/testwin.exe" --title "Behind" --rect 600,450,300,200 --log-activate \
  --log "$(e2e_winpath "$E2E_TMP")\\behind.log" >/dev/null
e2e_wait_file_has "$behind" "ready top=" 20 || e2e_fail "the window behind did not start"
open_settings
: >"$behind"
expect_boxes 0x7BFF
ctl_check_layout "$FORM" "$HERE/setting_form.table" || e2e_fail "settings form layout"
ctl_check_tab_order "$FORM" "$HERE/setting_form.table" 18 || e2e_fail "tab order"
ctl_probe form "$FORM" | grep -qF "|Ctrl+Alt+F10 (the task switcher) is used by another program." ||
  e2e_fail "the form does not say that the switcher's hotkey is taken"
ctl_probe form "$FORM" >"$CTL_SHOTS/settings-form.txt"
e2e_screenshot "$CTL_SHOTS/settings-form.png"
[ "$(ctl_form_field Quorvel enabled)" = 0 ] || e2e_fail "the main form takes input while the settings are open"

# Cancel (Esc) after unticking "&Minimize": nothing changes.
xdotool key alt+m
sleep 0.5
[ "$(box_checked "&Minimize")" = 0 ] || e2e_fail "Alt+M did not untick Minimize"
xdotool key Escape
e2e_wait_until 10 bash -c "! xdotool search --onlyvisible --name '^$FORM\$' >/dev/null" || e2e_fail "Esc did not close the settings"
[ "$(e2e_reg_query Setting "$USER_KEY")" = 0x7bff ] || e2e_fail "Cancel changed the stored word: $(e2e_reg_query Setting "$USER_KEY")"
[ "$(library_setting)" = 0x7BFF ] || e2e_fail "Cancel changed the word in force: $(library_setting)"
[ "$(ctl_form_field Quorvel fg)" = 1 ] || e2e_fail "the main form is not in front after the settings"
! e2e_file_has "$behind" "WM_ACTIVATE wParam=0x1" || e2e_fail "closing the settings activated another program"

# OK after unticking "&Minimize" and typing Ctrl+Alt+F9 into the task
# switcher's hotkey field: the new word, without bit 0x0010, and the hotkey.
open_settings space
expect_boxes 0x7BFF
xdotool key alt+m; sleep 0.5
[ "$(box_checked "&Minimize")" = 0 ] || e2e_fail "Alt+M did not untick Minimize"
field=$(ctl_probe form "$FORM" | awk '$1=="ctl" && $2=="msctls_hotkey32"' | sed -n 2p)
[ -n "$field" ] || e2e_fail "no hotkey field for the task switcher"
xdotool mousemove "$(echo "$field" | sed -n 's/.* sx=\([-0-9]*\).*/\1/p')" "$(echo "$field" | sed -n 's/.* sy=\([-0-9]*\).*/\1/p')"
sleep 0.3; xdotool click 1; sleep 0.3; xdotool key ctrl+alt+F9; sleep 0.5
xdotool key Return
e2e_wait_until 10 bash -c "! xdotool search --onlyvisible --name '^$FORM\$' >/dev/null" || e2e_fail "Enter did not close the settings"
stored_word() { [ "$(e2e_reg_query Setting "$USER_KEY")" = 0x6bef ]; }
e2e_wait_until 5 stored_word || e2e_fail "OK stored $(e2e_reg_query Setting "$USER_KEY") for the user, not 0x6bef"
[ "$(library_setting)" = 0x6BEF ] || e2e_fail "the word in force is $(library_setting), not 0x6BEF"
[ "$(e2e_reg_query TaskSwitcherHotkey 'HKCU\Software\Harnwick\Quorvel')" = 0x378 ] ||
  e2e_fail "the new hotkey was not stored: $(e2e_reg_query TaskSwitcherHotkey 'HKCU\Software\Harnwick\Quorvel')"
xdotool mousemove 300 200; sleep 0.3; xdotool key ctrl+alt+F9
e2e_wait_until 10 ctl_visible "Easy task switcher" || e2e_fail "the new hotkey did not open the switcher"
sw=$(ctl_probe form "Easy task switcher")
xdotool mousemove $(( $(echo "$sw" | ctl_field cx) + 10 )) $(( $(echo "$sw" | ctl_field cy) + 8 )); sleep 0.3
xdotool key Escape
e2e_wait_until 5 ctl_hidden "Easy task switcher" || e2e_fail "Esc did not close the switcher"
ctl_visible Quorvel || e2e_fail "the main form did not stay visible"

e2e_drag 2 700 200 600 200
sleep 1
! ctl_iconic "Control Target 2" || e2e_fail "the switched-off minimize gesture still works"
kill -0 "$QUORVEL" 2>/dev/null || e2e_fail "the program ended"

# /exit and a new start: the user's choice holds.
e2e_run "$APP/Quorvel.exe" /exit >/dev/null || e2e_fail "/exit did not end Quorvel"
ctl_wait_gone "$QUORVEL" 15 || e2e_fail "Quorvel did not end after /exit"
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the start animation did not run after the new start"
[ "$(library_setting)" = 0x6BEF ] || e2e_fail "after a new start the word in force is $(library_setting), not 0x6BEF"
[ "$(e2e_reg_query Setting)" = 0xffff ] || e2e_fail "the machine-wide word changed: $(e2e_reg_query Setting)"
e2e_drag 2 700 200 600 200; sleep 1
! ctl_iconic "Control Target 2" || e2e_fail "the switched-off minimize gesture works again after a new start"
e2e_pass
