# Loading system.dat writes QuorvelLog.txt in its folder: the header, the
# start-up lines in order with the prefix's real values, the setting line,
# and the version line after SetQuorvelVersion. A missing setting gives the
# failure line followed by an empty line; an install folder where the log
# cannot be written sends it to c:\.
source "$QUORVEL_E2E_LIB"; e2e_begin
DIR="$E2E_TMP/install"; e2e_install "$DIR"
WDIR=$(e2e_winpath "$DIR")
LOG="$DIR/QuorvelLog.txt"

e2e_reg_set_dword Setting 0x2000
out=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" version getsetting)
echo "$out" | grep -q "setting=0x2000" || e2e_fail "setting not read from the registry: $out"
[ -f "$LOG" ] || e2e_fail "no log in the install folder"
tr -d '\r' <"$LOG" >"$E2E_TMP/log.txt"
cat "$E2E_TMP/log.txt" >&2
# text mode: every line ends in CR LF
[ "$(grep -c $'\r$' "$LOG")" -eq "$(wc -l <"$LOG")" ] || e2e_fail "lines not stored with CR LF"

expected=(
  "Quorvel is being started."
  "-------------------------------------------"
  "Setting info is 0x2000"
  ""
  "Date :  "
  "IE version : "
  "OS language id : "
  "Install Path : ${WDIR}\\"
  "Double click time limit : "
  "Double click x limit : "
  "Double click y limit : "
  "Screen width : 1024"
  "Screen height : 768"
  "CXHSCROLL : "
  "CYHSCROLL : "
  "CXVSCROLL : "
  "CYVSCROLL : "
  "MIN_MOUSE_MOVE_DISTANCE : 20"
  "MAX_MOUSE_TRACE_NUM : 100"
  "MAX_WINDOW_TEXT_LEN : 300"
  "MAX_WINDOW_CLASSNAME_LEN : 200"
  "MOUSE_BUTTON_DRAG_TIME_LIMIT : 2000 ms"
  "MBUTTON_DBCLICK_TIME_LIMIT : 1500 ms"
  "SetForegroundWindow full name : ${WDIR}\\SetForegroundWindow.exe"
  "Quorvel version 2 .1 Build 20"
)
expected[24]="Quorvel version 2.1 Build 20"
# The Windows version line sits between the date and the IE version.
mapfile -t lines <"$E2E_TMP/log.txt"
i=0
for want in "${expected[@]}"; do
  while [ $i -lt ${#lines[@]} ] && [[ "${lines[$i]}" != "$want"* ]]; do i=$((i + 1)); done
  [ $i -lt ${#lines[@]} ] || e2e_fail "line missing or out of order: '$want'"
  i=$((i + 1))
done
grep -q "^Date :  [0-9]\{4\}/[0-9][0-9]/[0-9][0-9]  Time : [0-9:]\{8\} (Universal Time)$" "$E2E_TMP/log.txt" ||
  e2e_fail "date line malformed"
grep -q "^Microsoft Windows\|(Build [0-9]*)$" "$E2E_TMP/log.txt" || e2e_fail "no Windows version line"

# No setting in the registry: the default word and the failure line, then an empty line.
e2e_reg_delete Setting
out=$(e2e_run "$QUORVEL_BIN/hookdriver.exe" "$WDIR" getsetting)
echo "$out" | grep -q "setting=0xffff" || e2e_fail "default setting not 0xffff: $out"
tr -d '\r' <"$LOG" | grep -A1 "^Can't get setting info from registry$" | tail -1 | grep -q '^$' ||
  e2e_fail "failure line not followed by an empty line"

# A folder in which the log cannot be created: the log goes to c:\.
RO="$E2E_TMP/readonly"; e2e_install "$RO"
mkdir "$RO/QuorvelLog.txt"   # a folder of that name: the file cannot be opened there
CLOG="$WINEPREFIX/drive_c/QuorvelLog.txt"; rm -f "$CLOG"
e2e_run "$QUORVEL_BIN/hookdriver.exe" "$(e2e_winpath "$RO")" version >/dev/null
e2e_file_has "$CLOG" "Quorvel is being started." || e2e_fail "log not created in c:\\"
e2e_file_has "$CLOG" "Quorvel version 2.1 Build 20" || e2e_fail "later lines not appended in c:\\"
rm -f "$CLOG"
e2e_pass
