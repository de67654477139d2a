# The setup program and the uninstaller in the run's Wine prefix as it was
# made (e2e_begin puts its registry back; the folders of an earlier install
# are removed here): silent install (files, machine-wide key, Start menu,
# Add/Remove entry, start with Windows), the first start from the program
# folder offers the tutorial once, a second silent install over the running
# program while other programs use its files upgrades it without anything
# left for a restart and starts it again (the setting kept), a silent
# uninstall stops Quorvel and leaves no files, entries or process, keeping
# the settings; /D= installs elsewhere.
source "$QUORVEL_E2E_LIB"; e2e_begin
HERE=$(dirname "${BASH_SOURCE[0]}")
source "$HERE/../control/control_lib.sh"
source "$HERE/../gestures/gestures_lib.sh"
source "$HERE/product_lib.sh"
[ -f "$SETUP" ] || e2e_fail "no setup program $SETUP"
rm -rf "$WINEPREFIX/drive_c/Program Files/Quorvel" "$WINEPREFIX/drive_c/Program Files (x86)/Quorvel" \
       "$WINEPREFIX/drive_c/Tools/QuorvelD" "$START_MENU"
wine reg delete "$E2E_KEY" /f >/dev/null 2>&1

prd_setup /S || e2e_fail "the silent install failed"
location=$(prd_reg_string InstallLocation "$UNINSTALL_KEY") || e2e_fail "no Add/Remove entry"
INST=$(winepath -u "$location" 2>/dev/null)
e2e_log "installed in $location"
case $location in *"Program Files"*\\Quorvel) ;; *) e2e_fail "not installed in the program files folder: $location" ;; esac
prd_check_files "$INST"
[ -z "$(ls "$INST" | grep -vxF -f <(echo "$SHIPPED" | tr ' ' '\n'))" ] ||
  e2e_fail "more files than shipped: $(ls "$INST" | tr '\n' ' ')"
[ "$(e2e_reg_query Setting)" = 0xffff ] || e2e_fail "Setting is $(e2e_reg_query Setting)"
[ "$(e2e_reg_query FirstStart)" = 0x1 ] || e2e_fail "no first-start mark"
stamp=$(prd_reg_string InstallStamp "$E2E_KEY") && [ -n "$stamp" ] || e2e_fail "no install stamp"
IFS='|' read -ra links <<<"$SHORTCUTS"
for l in "${links[@]}"; do [ -s "$START_MENU/$l" ] || e2e_fail "no Start-menu entry $l"; done
[ "$(prd_reg_string DisplayVersion "$UNINSTALL_KEY")" = 2.1.20 ] || e2e_fail "Add/Remove version"
[ "$(prd_reg_string Publisher "$UNINSTALL_KEY")" = Harnwick ] || e2e_fail "Add/Remove publisher"
[ "$(prd_reg_string DisplayIcon "$UNINSTALL_KEY")" = "$location\\Quorvel.exe,0" ] || e2e_fail "Add/Remove icon"
[ "$(prd_reg_string Quorvel "$RUN_KEY")" = "\"$location\\Quorvel.exe\"" ] || e2e_fail "Quorvel does not start with Windows"
[ -z "$(prd_quorvel_processes "$INST" "$location")" ] || e2e_fail "a silent install started Quorvel"

# The first start offers the tutorial, the next one does not.
QUORVEL=$(cd / && e2e_start "$INST/Quorvel.exe")
offered() { ctl_probe form Quorvel | grep -qF '|The following tutorial will teach you how to use mouse shortcuts step by step.'; }
e2e_wait_until 30 offered || e2e_fail "the tutorial was not offered"
ctl_click Quorvel OK || e2e_fail "no OK on the tutorial offer"
e2e_wait_window "Quorvel Shortcuts Tutorial" 20 >/dev/null || e2e_fail "the tutorial did not start"
ctl_probe close "Quorvel Shortcuts Tutorial" >/dev/null
e2e_run "$INST/Quorvel.exe" /exit >/dev/null || e2e_fail "/exit did not stop Quorvel"
ctl_wait_gone "$QUORVEL" 10 || e2e_fail "Quorvel runs after /exit"
QUORVEL=$(e2e_start "$INST/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the second start showed no start animation"
sleep 1
! offered || e2e_fail "the tutorial was offered twice"

# Upgrade over the running program while the tutorial runs and another
# program has the hook library loaded: nothing is left for a restart, every
# file is a new one, Quorvel runs again and acts on the program that kept
# running; what had to be moved aside goes at Quorvel's next start.
e2e_reg_set_dword Setting 0x1234
TUTORIAL=$(e2e_start "$INST/QuorvelTutorial.exe")
e2e_wait_window "Quorvel Shortcuts Tutorial" 20 >/dev/null || e2e_fail "the tutorial did not start"
g_testwin host --title "Upgrade host" --rect 300,200,400,300
HOST=$G_PID
g_drag 2 550 350 590 350
g_expect_state zoomed 1 10 --title "Upgrade host" || e2e_fail "the hooks did not act before the upgrade"
grep -qF "$(readlink -f "$INST")/system.dat" "/proc/$HOST/maps" || e2e_fail "the library is not loaded in the host program"
declare -A inode
for f in $SHIPPED; do inode[$f]=$(stat -c %i "$INST/$f"); done
prd_setup /S || e2e_fail "the upgrade failed"
ctl_wait_gone "$QUORVEL" 5 || e2e_fail "the upgrade did not stop the running Quorvel"
! wine reg query "$SESSION_KEY" /v PendingFileRenameOperations >/dev/null 2>&1 ||
  e2e_fail "the upgrade left operations for the next restart: $(prd_pending)"
for f in $SHIPPED; do
  [ "$f" = Uninstall.exe ] || [ "$(stat -c %i "$INST/$f")" != "${inode[$f]}" ] || e2e_fail "the upgrade did not put a new $f"
done
prd_check_files "$INST"
left=$(ls "$INST" | grep '\.old$' | tr '\n' ' ')
e2e_log "moved aside and still in use: $left"
case $left in *QuorvelTutorial.exe.*.old*) ;; *) e2e_fail "the running tutorial's file was not moved aside: $left" ;; esac
e2e_wait_until 30 prd_quorvel_processes "$INST" "$location" || e2e_fail "the silent upgrade did not start Quorvel again"
kill -0 "$HOST" && kill -0 "$TUTORIAL" || e2e_fail "a program using Quorvel's files ended in the upgrade"
g_drag 2 610 260 570 260
g_expect_state iconic 1 20 --title "Upgrade host" || e2e_fail "the upgraded Quorvel does not act on the host program"
[ "$(e2e_reg_query Setting)" = 0x1234 ] || e2e_fail "the upgrade replaced the setting: $(e2e_reg_query Setting)"
[ "$(prd_reg_string InstallStamp "$E2E_KEY")" != "$stamp" ] || e2e_fail "the upgrade kept the old install stamp"
e2e_stop "$HOST"; e2e_stop "$TUTORIAL"
e2e_run "$INST/Quorvel.exe" /exit >/dev/null || e2e_fail "/exit did not stop the upgraded Quorvel"
e2e_reg_set_dword FirstStart 0
QUORVEL=$(e2e_start "$INST/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "Quorvel did not start after the upgrade"
[ -z "$(ls "$INST" | grep '\.old$')" ] || e2e_fail "the next start left files moved aside: $(ls "$INST" | tr '\n' ' ')"

# Silent uninstall with Quorvel running: stopped, everything gone, settings kept.
wine reg add "$USER_KEY" /v TrayIcon /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$E2E_KEY\\notepad.exe" /v 01000200 /t REG_DWORD /d 5 /f >/dev/null 2>&1
timeout 60 wine "$INST/Uninstall.exe" /S >/dev/null 2>&1 || e2e_fail "the uninstaller failed"
e2e_wait_until 40 bash -c "[ ! -e '$INST' ]" || e2e_fail "files left: $(ls "$INST" | tr '\n' ' ')"
ctl_wait_gone "$QUORVEL" 5 || e2e_fail "the uninstall did not stop Quorvel"
[ -z "$(prd_quorvel_processes "$INST" "$location")" ] || e2e_fail "a Quorvel process is left: $(prd_quorvel_processes "$INST" "$location")"
[ ! -e "$START_MENU" ] || e2e_fail "Start-menu entries left"
[ -z "$(prd_pending)" ] || e2e_fail "the uninstall leaves files for a restart: $(prd_pending)"
! wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || e2e_fail "the Add/Remove entry is left"
! prd_reg_string Quorvel "$RUN_KEY" >/dev/null || e2e_fail "the start-with-Windows entry is left"
! e2e_reg_query FirstStart >/dev/null || e2e_fail "the first-start mark is left"
[ "$(e2e_reg_query Setting)" = 0x1234 ] || e2e_fail "the setting was not kept"
[ "$(e2e_reg_query 01000200 "$E2E_KEY\\notepad.exe")" = 0x5 ] || e2e_fail "Smart Move's memory was not kept"
[ "$(e2e_reg_query TrayIcon "$USER_KEY")" = 0x1 ] || e2e_fail "the user's settings were not kept"

# Another folder with /D=.
prd_setup /S '/D=C:\Tools\QuorvelD' || e2e_fail "the install with /D= failed"
[ "$(prd_reg_string InstallLocation "$UNINSTALL_KEY")" = 'C:\Tools\QuorvelD' ] || e2e_fail "/D= was not followed"
[ -f "$WINEPREFIX/drive_c/Tools/QuorvelD/Quorvel.exe" ] || e2e_fail "nothing installed in the /D= folder"
e2e_pass
