# The demonstration that the run command gives without a display: it ends by
# itself, names its report folder, and the report has one line per feature
# (the shortcuts that work under Wine done), its pictures and a contact sheet.
source "$QUORVEL_E2E_LIB"
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
WORK="$QUORVEL_E2E_WORK/demo"
rm -rf "$WORK"
start=$(date +%s)
out=$(env -u DISPLAY DEMO_WORK="$WORK" WINEPREFIX="$QUORVEL_E2E_WORK/prefix" \
      timeout 240 bash "$ROOT/scripts/demo.sh" "$QUORVEL_BIN" 2>&1) || e2e_fail "the demo failed: $(echo "$out" | tail -5)"
e2e_log "the demo took $(( $(date +%s) - start )) s"
report=$(echo "$out" | tail -1 | sed -n 's/^demo: the report is in \(.*\) (index.html, contact-sheet.png)$/\1/p')
[ -n "$report" ] && [ -f "$report/index.html" ] || e2e_fail "no report named at the end: $(echo "$out" | tail -1)"
identify "$report/contact-sheet.png" >/dev/null 2>&1 || e2e_fail "no contact sheet"
page=$(cat "$report/index.html")
for feature in "Start animation" "Shortcuts tutorial" "Minimize" "Maximize / restore" "Close" "Switch to last application" \
               "Show desktop" "Browser: go back" "Browser: go forward" "Browser: stop" "Browser: open address" \
               "Browser: new browser (circle)" "Browser (Edge): open address" "Smart Move" "Cursor Go Away" "Just Wheel It" "Auto click" \
               "Task switcher" "Rest reminder" "Drag to scroll" "Control panel" "Settings form" "Help" "Stop"; do
  echo "$page" | grep -qF "<tr><td><b>$feature</b></td><td" || e2e_fail "the report does not name $feature"
done
for feature in "Minimize" "Close" "Browser: go back" "Just Wheel It" "Drag to scroll"; do
  echo "$page" | grep -F "<b>$feature</b>" | grep -q '<td>Done: ' || e2e_fail "$feature was not done: $(echo "$page" | grep -F "<b>$feature</b>")"
done
for feature in "Settings form" "Help" "Stop"; do
  echo "$page" | grep -F "<b>$feature</b>" | grep -q 'NOT SEEN' && e2e_fail "$feature was not shown"
done
for img in $(echo "$page" | sed -n 's/.*<img src="\([^"]*\)".*/\1/gp' | tr ' ' '\n'); do
  [ -s "$report/$img" ] || e2e_fail "the report shows $img, which is missing"
done
[ "$(echo "$page" | grep -o '<img ' | wc -l)" -ge 30 ] || e2e_fail "too few pictures in the report"
! ps -eo args | grep -v grep | grep -qiF -e "$(e2e_winpath "$WORK/app")\Quorvel.exe" -e "$WORK/app/Quorvel.exe" ||
  e2e_fail "the demo left Quorvel running"
e2e_pass
