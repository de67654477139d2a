# Helpers shared by the control program's end-to-end tests (sourced after e2e.sh).

CTL_PROBE="$QUORVEL_BIN/control_probe.exe"
CTL_DRIVER="$QUORVEL_BIN/control_library_driver.exe"
CTL_TARGET="$QUORVEL_BIN/control_target.exe"
# Screenshots are kept after the run, one folder per test.
CTL_SHOTS="$QUORVEL_E2E_WORK/screenshots/$E2E_NAME"
rm -rf "$CTL_SHOTS"; mkdir -p "$CTL_SHOTS"

# ctl_probe ARGS...: runs the probe, output without CR.
ctl_probe() { e2e_run "$CTL_PROBE" "$@"; }

# ctl_field NAME: reads NAME=value from the "form" line on stdin.
ctl_field() { awk -v n="$1" '$1=="form" { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == n) print kv[2] } }'; }

# ctl_form_field CAPTION NAME
ctl_form_field() { ctl_probe form "$1" | ctl_field "$2"; }

ctl_iconic() { [ "$(ctl_probe iconic "$1")" = 1 ]; }
ctl_visible() { [ "$(ctl_form_field "$1" visible)" = 1 ]; }
ctl_hidden() { [ "$(ctl_form_field "$1" visible)" = 0 ]; }

# ctl_control_line CAPTION TEXT: the probe's "ctl" line of the control with that text.
ctl_control_line() { ctl_probe form "$1" | T="$2" awk -F'|' '$1 ~ /^ctl / && $2 == ENVIRON["T"] { print $1 }'; }

# ctl_click CAPTION TEXT: clicks the centre of a control of a form.
ctl_click() {
  local line sx sy
  line=$(ctl_control_line "$1" "$2")
  [ -n "$line" ] || return 1
  sx=$(echo "$line" | sed -n 's/.* sx=\([-0-9]*\).*/\1/p')
  sy=$(echo "$line" | sed -n 's/.* sy=\([-0-9]*\).*/\1/p')
  xdotool mousemove "$sx" "$sy"; sleep 0.2; xdotool click 1
}

# ctl_twips_px TWIPS DPI: nearest pixel, halves to even.
ctl_twips_px() { awk -v t="$1" -v d="$2" 'BEGIN { v = t * d / 1440; f = int(v); r = v - f;
  if (r > 0.5 || (r == 0.5 && f % 2 == 1)) f++; print f }'; }

# ctl_check_layout CAPTION TABLE_FILE: every row "text|left top width height [frameLeft frameTop]"
# (twips) is a control of the live form with that text, within 2 pixels.
ctl_check_layout() {
  local caption=$1 table=$2 probe dpi text rest left top width height fl ft line x y w h ex ey ew eh bad=0
  probe=$(ctl_probe form "$caption")
  dpi=$(echo "$probe" | awk '$1=="dpi" { print $2 }')
  while IFS='|' read -r text rest; do
    [ -z "$text" ] && continue
    read -r left top width height fl ft <<<"$rest"
    line=$(echo "$probe" | T="$text" awk -F'|' '$1 ~ /^ctl / && $2 == ENVIRON["T"] { print $1; exit }')
    if [ -z "$line" ]; then e2e_log "layout: no control \"$text\" on \"$caption\""; bad=1; continue; fi
    read -r _ _ x y w h _ <<<"$line"
    ex=$(( $(ctl_twips_px "$left" "$dpi") + $(ctl_twips_px "${fl:-0}" "$dpi") ))
    ey=$(( $(ctl_twips_px "$top" "$dpi") + $(ctl_twips_px "${ft:-0}" "$dpi") ))
    ew=$(ctl_twips_px "$width" "$dpi"); eh=$(ctl_twips_px "$height" "$dpi")
    for pair in "$x $ex" "$y $ey" "$w $ew" "$h $eh"; do
      read -r got want <<<"$pair"
      if [ $(( got - want )) -gt 2 ] || [ $(( want - got )) -gt 2 ]; then
        e2e_log "layout: \"$text\" on \"$caption\" at $x,$y ${w}x$h, expected $ex,$ey ${ew}x$eh"; bad=1; break
      fi
    done
  done <"$table"
  return $bad
}

# ctl_check_tab_order CAPTION TABLE_FILE COUNT: the form has COUNT controls
# with a text that take focus, and Tab visits them in the order of the table.
ctl_check_tab_order() {
  local got want
  got=$(ctl_probe form "$1" | awk -F'|' '$1 ~ /^ctl / && $1 ~ / tabstop=1 / && $2 != "" { print $2 }')
  want=$(cut -d'|' -f1 "$2" | grep -xF -f <(echo "$got"))
  [ "$(echo "$got" | grep -c .)" = "$3" ] || { e2e_log "tab order: $(echo "$got" | grep -c .) tab stops on \"$1\", expected $3"; return 1; }
  [ "$got" = "$want" ] || { e2e_log "tab order on \"$1\": $(echo "$got" | tr '\n' ',')"; return 1; }
}

# ctl_ctrl_alt_fkeys: Ctrl+Alt with a function key (Quorvel's hotkeys)
# reaches the programs, as on Windows; an X server keeps it to itself for
# switching consoles unless told otherwise. Before any program starts: Wine
# reads the keyboard map once.
ctl_ctrl_alt_fkeys() { setxkbmap -option srvrkeys:none || e2e_fail "could not free Ctrl+Alt+F-keys on $DISPLAY"; }

# ctl_wait_gone PID SECONDS: the process has ended.
ctl_wait_gone() { e2e_wait_until "$2" bash -c "! kill -0 $1 2>/dev/null"; }

# ctl_install_app: the shipped files in a new install folder $APP (its
# Windows path in $APPWIN). Nothing needs restoring when the test ends: the
# next test starts in the prefix as it was made (e2e_begin).
ctl_install_app() {
  APP=$E2E_TMP/app; e2e_install "$APP"
  [ -f "$APP/system.dat" ] || e2e_fail "system.dat is not built"
  APPWIN=$(e2e_winpath "$APP")
}

# ctl_set_dpi N: the display's pixels per inch for the programs started
# from now on (the next test starts with the prefix's own again).
CTL_DPI_KEY='HKCU\Control Panel\Desktop'
ctl_set_dpi() {
  e2e_reg_set_dword LogPixels "$1" "$CTL_DPI_KEY"
  wineserver -k; wineserver -w
}

# ctl_minute_tick: one tick of the main form's one-minute clock (its first
# form timer, id 1, which asks the hook library whether the user should
# rest), posted as WM_TIMER instead of waited for.
ctl_minute_tick() { ctl_probe post Quorvel 0x0113 1 || e2e_fail "no main form to post the minute tick to"; }

# ctl_clock_to_hour: the library's minute clock runs on until the work period
# is 59 minutes long, so that the next minute tick is the 60th of it (the
# program's own clock may have added minutes already: they are counted).
ctl_clock_to_hour() {
  local out; out=$(e2e_run "$CTL_DRIVER" "$APPWIN" restto 59)
  case "$out" in "rest 0 minutes 59 "*) ;; *) e2e_fail "the driver could not run the clock: $out" ;; esac
}

# ctl_wait_animation_done: the start animation has been shown and hidden again.
ctl_wait_animation_done() {
  e2e_wait_until 30 bash -c "xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null" || return 1
  e2e_wait_until 30 bash -c "! xdotool search --onlyvisible --name '^Quorvel (is starting|has been started\.)' >/dev/null"
}
