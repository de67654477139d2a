# The help file: its table of contents lists every topic (each page and
# picture is in the file), and the main form's Help button opens it in a
# viewer (hh.exe under Wine) and hides the form.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/../control/control_lib.sh"
CHM=$QUORVEL_BIN/Quorvel.chm
[ -f "$CHM" ] || e2e_fail "Quorvel.chm is not built"
extract_chmLib "$CHM" "$E2E_TMP/chm" >/dev/null || e2e_fail "Quorvel.chm cannot be read"
toc=$(tr -d '\r' <"$E2E_TMP/chm/toc.hhc")
names=$(echo "$toc" | sed -n 's/.*name="Name" value="\([^"]*\)".*/\1/p')
for topic in "Window shortcuts" "Browser shortcuts" "Smart Move" "Cursor Go Away" "Just Wheel It" "Rest reminder" \
             "Auto click" "Task switcher" "Drag to scroll" "The settings" "The notification-area icon" "Troubleshooting" \
             "Keyboard" "Command-line switches" "Logs" "Privacy" "Quorvel and Windows' own mouse settings"; do
  echo "$names" | grep -qxF "$topic" || e2e_fail "the table of contents has no \"$topic\""
done
# The index leads from the words users look for to the pages.
for word in ClickLock /exit QuorvelLog.txt upgrade Ctrl+Alt+F10; do
  tr -d '\r' <"$E2E_TMP/chm/index.hhk" | grep -qF "name=\"Name\" value=\"$word\"" || e2e_fail "the index has no \"$word\""
done
# The numbers come from the program's source: the drag threshold as the
# library's header has it, and no page is left with a name unfilled.
SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
drag=$(sed -n 's/^constexpr int32_t MIN_MOUSE_MOVE_DISTANCE = \([0-9]*\);.*/\1/p' "$SRC/hooklib/core/Constants.h")
grep -q "more than $drag pixels" "$E2E_TMP/chm/shortcuts-windows.html" || e2e_fail "the help does not say a drag counts after $drag pixels"
! grep -l '@[A-Z][A-Z0-9_:a-z]*@' "$E2E_TMP/chm/"*.html || e2e_fail "pages with unfilled names"
# Every page of the contents is in the file, and so is every picture it shows.
for page in $(echo "$toc" | sed -n 's/.*name="Local" value="\([^"]*\)".*/\1/p'); do
  [ -f "$E2E_TMP/chm/$page" ] || e2e_fail "the contents name $page, which is not in the file"
  for img in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$E2E_TMP/chm/$page"); do
    [ -s "$E2E_TMP/chm/$img" ] || e2e_fail "$page shows $img, which is not in the file"
  done
done
for shortcut in minimize maximize show-desktop close switch-last go-back go-forward stop open-address new-browser; do
  grep -q "pictures/$shortcut.png" "$E2E_TMP/chm/shortcuts-"*.html || e2e_fail "no picture of the $shortcut shortcut"
done
grep -q 'Ctrl</kbd>+<kbd>Alt</kbd>+<kbd>F11' "$E2E_TMP/chm/auto-click.html" || e2e_fail "auto click's hotkey is not told"
grep -q 'Quorvel.exe /exit' "$E2E_TMP/chm/troubleshooting.html" || e2e_fail "how to stop is not told"

# The Help button.
ctl_install_app
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "Quorvel did not start"
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
# a viewer of this folder's help file (other programs' viewers do not count)
viewer() { ps -eo args | grep -i 'hh\.exe' | grep -v grep | grep -qiF "$APPWIN\Quorvel.chm"; }
! viewer || e2e_fail "a help viewer runs already"
ctl_click Quorvel "&Help" || e2e_fail "no Help button"
e2e_wait_until 15 viewer || e2e_fail "no help viewer was started: $(ps -eo args | grep -i '\.exe' | grep -v grep)"
e2e_log "viewer: $(ps -eo args | grep -i 'hh\.exe' | grep -v grep | head -1)"
e2e_wait_until 5 ctl_hidden Quorvel || e2e_fail "the main window stayed after Help"
e2e_run "$APP/Quorvel.exe" /exit >/dev/null || e2e_fail "Quorvel did not end on /exit"
ctl_wait_gone "$QUORVEL" 5 || e2e_fail "Quorvel runs after /exit"
e2e_pass
