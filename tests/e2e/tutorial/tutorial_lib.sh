# Helpers of the tutorial's end-to-end tests; source after e2e.sh.
# Controls are named by their child window identifier (see the probe).
TUT_TITLE="Quorvel Shortcuts Tutorial"
TUT_LABEL_HEAD=1000; TUT_ARROW_LEFT=1001; TUT_STEP1=1002; TUT_STEP2=1003; TUT_STEP3=1004
TUT_SEE_ANIMATION=1005; TUT_ARROW_RIGHT=1006; TUT_PICTURE1=1007; TUT_PICTURE_MOUSE=1008
TUT_FRAME1=1009; TUT_DESCRIPTION=1010; TUT_CURSOR_MOVEMENT=1011; TUT_MOVE_DESCRIPTION=1012
TUT_LINE=1013; TUT_CIRCLE=1014; TUT_SHOW_AGAIN=1015; TUT_OPERATION0=2000
TUT_SHOTS="$QUORVEL_E2E_WORK/screenshots"
TUT_WID=""
TUT_PID=""

tut_probe() { "$(e2e_wine_for)" "$QUORVEL_BIN/tutorial_probe.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# tut_start: installs the program and starts it the way the control program
# does (with the argument "0"); waits for its window.
tut_start() {
  [ -f "$QUORVEL_BIN/QuorvelTutorial.exe" ] || e2e_fail "QuorvelTutorial.exe was not built"
  e2e_install "$E2E_TMP/app"
  TUT_PID=$(e2e_start "$E2E_TMP/app/QuorvelTutorial.exe" 0)
  TUT_WID=$(e2e_wait_window "$TUT_TITLE" 60) || e2e_fail "no window titled \"$TUT_TITLE\""
  mkdir -p "$TUT_SHOTS"
}

# tut_list FILE: writes the probe's list of controls to FILE.
tut_list() { tut_probe list >"$1" || e2e_fail "probe could not list the controls"; }
# tut_field FILE ID NAME: one field (x, y, w, h, sx, sy, vis, en) of a control.
tut_field() { awk -v id="id=$2" -v f="$3" '$1==id { for (i=2;i<=NF;i++) { split($i,kv,"="); if (kv[1]==f) { print kv[2]; exit } } }' "$1"; }
# tut_text FILE ID: the control's text as the probe wrote it (\r for CR).
tut_text() { awk -v id="id=$2" '$1==id { sub(/.* text=/, ""); print; exit }' "$1"; }
tut_dpi() { awk '/^dpi=/ { sub(/dpi=/, ""); print $1; exit }' "$1"; }
# twips to pixels at DPI, rounded as the program does
tut_px() { echo $(( ($1 * $2 + 720) / 1440 )); }

tut_expect_text() {  # FILE ID EXPECTED
  local got; got=$(tut_text "$1" "$2")
  [ "$got" = "$3" ] || e2e_fail "control $2 shows \"$got\", expected \"$3\""
}
tut_expect_field() {  # FILE ID FIELD VALUE
  local got; got=$(tut_field "$1" "$2" "$3")
  [ "$got" = "$4" ] || e2e_fail "control $2: $3=$got, expected $4"
}

tut_click() {  # FILE ID: clicks the control with the X pointer
  local x y
  x=$(tut_field "$1" "$2" sx); y=$(tut_field "$1" "$2" sy)
  [ -n "$x" ] || e2e_fail "control $2 not found"
  xdotool mousemove $((x + 6)) $((y + 6)) click 1
}

# tut_shot NAME: screenshot of the window, kept in $TUT_SHOTS.
tut_shot() {
  local f="$TUT_SHOTS/tutorial_$1.png"
  import -window "$TUT_WID" "$f" 2>/dev/null || e2e_fail "no screenshot $1"
  echo "$f"
}

# tut_color_share IMAGE LIST ID COLOR: share (0..1) of the control's pixels
# (a child of the form) that have COLOR in the screenshot.
tut_color_share() {
  local img=$1 list=$2 id=$3 color=$4 x y w h
  local wx wy
  read -r wx wy < <(xdotool getwindowgeometry "$TUT_WID" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')
  # the form's client area inside the X window (the same place without a window manager)
  x=$(( $(tut_field "$list" "$id" sx) - wx )); y=$(( $(tut_field "$list" "$id" sy) - wy ))
  w=$(tut_field "$list" "$id" w); h=$(tut_field "$list" "$id" h)
  convert "$img" -crop "${w}x${h}+${x}+${y}" +repage -fuzz 10% -fill black +opaque "$color" -fill white -opaque "$color" \
    -format '%[fx:mean]' info: 2>/dev/null
}
tut_at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }
