# The task switcher: opened by the wheel over the taskbar's buttons (not
# over its notification area) at the pointer and by its hotkey Ctrl+Alt+F10
# centred on the screen, its rows front to back, hover selection, a row
# picked with the arrows and Enter, Esc, a click on the maximized window's
# row, and hiding when another program is activated.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/../control/control_lib.sh"
DESKTOP="$QUORVEL_BIN/switcher_desktop.exe"

ctl_install_app
ctl_ctrl_alt_fkeys
# Smart Move off: it would glide the pointer into the owned tool window
# (a dialog box to the hooks) while the test points elsewhere.
e2e_reg_set_dword Setting 0xFFFE

e2e_start "$DESKTOP" windows >/dev/null
e2e_wait_file_has "$E2E_TMP/switcher_desktop.exe.out" ready 20 || e2e_fail "the test windows did not open"
cp "$E2E_TMP/switcher_desktop.exe.out" "$CTL_SHOTS/desktop.out"
xdotool mousemove 700 500
e2e_start "$APP/Quorvel.exe" >/dev/null
ctl_wait_animation_done || e2e_fail "Quorvel did not start"
e2e_file_has "$APP/QuorvelLog.txt" "Task list window handler : " || e2e_fail "the switcher was not registered"

probe() { e2e_run "$DESKTOP" probe; }
field() { echo "$1" | awk -v k="$2" -v n="$3" '$1==k { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == n) print kv[2] } }'; }
shown() { [ "$(field "$(probe)" switcher visible)" = 1 ]; }
hidden() { [ "$(field "$(probe)" switcher visible)" = 0 ]; }
rows() { echo "$1" | awk '$1=="row" { sub(/.* text=/, ""); print }' | paste -sd'|'; }
selected() { probe | awk -v r="$1" '$1=="row" && $2==r && $3=="selected=1" { found=1 } END { exit !found }'; }
row_at() { echo "$1" | awk -v r="$2" '$1=="row" && $2==r { split($4, x, "="); split($5, y, "="); print x[2], y[2] }'; }

# The wheel over the notification area is left to it.
xdotool mousemove 950 752; sleep 0.3; xdotool click 4; sleep 1.5
hidden || e2e_fail "the wheel over the notification area opened the switcher"
# The wheel over the taskbar's buttons opens it at the pointer, clamped to the screen.
xdotool mousemove 300 752; sleep 0.3; xdotool click 4
e2e_wait_until 10 shown || e2e_fail "the wheel over the taskbar did not open the switcher"
sleep 0.5
p=$(probe); echo "$p" >"$CTL_SHOTS/wheel.txt"
e2e_screenshot "$CTL_SHOTS/switcher-open.png"
want="TS Owner|TS Plain|TS Maximized|TS Minimized"
[ "$(rows "$p")" = "$want" ] || e2e_fail "rows by the wheel: $(rows "$p"), expected $want"
x=$(field "$p" switcher x); y=$(field "$p" switcher y); w=$(field "$p" switcher w); h=$(field "$p" switcher h)
[ $(( y + h )) = "$(field "$p" switcher fullh)" ] || e2e_fail "switcher at y=$y h=$h does not end at the full-screen bottom"
[ $(( x + w / 2 - 300 )) -le 1 ] && [ $(( 300 - x - w / 2 )) -le 1 ] || e2e_fail "switcher at x=$x w=$w not centred on the pointer"

# Hovering selects the row under the pointer.
read -r sx sy < <(row_at "$p" 2)
xdotool mousemove "$sx" "$sy"; e2e_wait_until 5 selected 2 || e2e_fail "hovering did not select row 2"
read -r sx sy < <(row_at "$p" 0)
xdotool mousemove "$sx" "$sy"; e2e_wait_until 5 selected 0 || e2e_fail "hovering did not select row 0"

# Activating another program hides it.
xdotool mousemove 100 120; sleep 0.2; xdotool click 1
e2e_wait_until 10 hidden || e2e_fail "activating another program did not hide the switcher"

# The hotkey opens it again, centred on the screen of the window in front,
# "TS Plain" (now in front) first and selected.
# by_hotkey WHY X Y: from over the window in front (here keys go to the
# window under the pointer, which takes the foreground with them).
by_hotkey() {
  xdotool mousemove "$2" "$3"; sleep 0.2; xdotool key ctrl+alt+F10
  e2e_wait_until 10 shown || e2e_fail "Ctrl+Alt+F10 did not open the switcher ($1)"
  sleep 0.5
  p=$(probe)
  # Keys reach the window under the pointer here (no window manager): onto
  # the first row, which hovering leaves selected.
  read -r sx sy < <(row_at "$p" 0)
  xdotool mousemove "$sx" "$sy"; sleep 0.3
}
by_hotkey "first time" 250 250; echo "$p" >"$CTL_SHOTS/hotkey.txt"
want="TS Plain|TS Owner|TS Maximized|TS Minimized"
[ "$(rows "$p")" = "$want" ] || e2e_fail "rows by the hotkey: $(rows "$p"), expected $want"
x=$(field "$p" switcher x); y=$(field "$p" switcher y); w=$(field "$p" switcher w); h=$(field "$p" switcher h)
[ $(( 2 * x + w - $(field "$p" switcher fullw) )) -le 2 ] && [ $(( $(field "$p" switcher fullw) - 2 * x - w )) -le 2 ] &&
  [ $(( 2 * y + h - $(field "$p" switcher fullh) )) -le 2 ] && [ $(( $(field "$p" switcher fullh) - 2 * y - h )) -le 2 ] ||
  e2e_fail "by the hotkey the switcher at $x,$y ${w}x$h is not centred"
selected 0 || e2e_fail "by the hotkey the first row is not selected"
# Shown again, the list still fits its rows: no scroll bars left over.
echo "$p" | awk '$1=="list" { split($3, h, "="); split($5, r, "[=,]"); exit !(h[2] == 4 * (r[5] - r[3])) }' ||
  e2e_fail "the list does not show its four rows: $(echo "$p" | grep '^list')"
e2e_screenshot "$CTL_SHOTS/switcher-hotkey.png"

# Down three times and Enter: the minimized window comes back, in front.
xdotool key Down; sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Down
e2e_wait_until 5 selected 3 || e2e_fail "the arrows did not select the last row: $(probe | grep '^row')"
xdotool key Return
e2e_wait_until 10 hidden || e2e_fail "Enter did not switch and hide the switcher"
front_is() { p=$(probe); echo "$p" | grep -q "^window $1 zoomed=0 iconic=0 .* fg=1$" && echo "$p" | grep -qx "front $1"; }
e2e_wait_until 10 front_is "TS Minimized" || e2e_fail "Enter did not bring the picked row's window back: $(probe | grep -E '^(window|front)' | paste -sd' ')"

# Esc closes it without switching.
by_hotkey "for Esc" 300 250
xdotool key Escape
e2e_wait_until 5 hidden || e2e_fail "Esc did not close the switcher"
# (The foreground goes back; Wine without a window manager may leave
# another window above it.)
in_use() { probe | grep -q "^window $1 .* fg=1$"; }
e2e_wait_until 5 in_use "TS Minimized" || e2e_fail "Esc did not go back to the window in use: $(probe | grep -E "^(window|front)" | paste -sd" ")"

# Reopened, it hides as soon as another program is activated.
by_hotkey "again" 300 250
xdotool mousemove 850 300; sleep 0.2; xdotool click 1
e2e_wait_until 10 hidden || e2e_fail "activating another program did not hide the reopened switcher"

# A click on the maximized window's row: restored, in front, switcher hidden.
by_hotkey "for a click" 300 250
maxrow=$(echo "$p" | awk '$1=="row" && / text=TS Maximized$/ { print $2 }')
[ -n "$maxrow" ] || e2e_fail "no row for the maximized window: $(rows "$p")"
read -r sx sy < <(row_at "$p" "$maxrow")
xdotool mousemove "$sx" "$sy"; sleep 0.4; xdotool click 1
e2e_wait_until 10 hidden || e2e_fail "the switcher did not hide after the click"
in_front() {
  p=$(probe)
  echo "$p" | grep -q "^window TS Maximized zoomed=0 iconic=0 .* fg=1$" &&
    [ "$(echo "$p" | awk '$1=="front" { sub(/^front /, ""); print }')" = "TS Maximized" ]
}
e2e_wait_until 10 in_front || { p=$(probe); e2e_fail "not restored and in front: $(echo "$p" | grep -E 'TS Maximized|^front' | paste -sd' ')"; }
echo "$p" >"$CTL_SHOTS/clicked.txt"
e2e_screenshot "$CTL_SHOTS/after-click.png"

# Our own main form, once shown, is a task of its own (the hidden window
# that owns the switcher never is).
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main form was not shown"
xdotool mousemove 250 250; sleep 0.2; xdotool key ctrl+alt+F10
e2e_wait_until 10 shown || e2e_fail "Ctrl+Alt+F10 did not open the switcher over the main form"
sleep 0.5
p=$(probe); echo "$p" >"$CTL_SHOTS/own-form.txt"
# (Where the others now lie depends on how Wine ordered them on the way.)
got=$(rows "$p"); rest=$(echo "${got#Quorvel|}" | tr '|' '\n' | sort | paste -sd'|')
[ "${got%%|*}" = Quorvel ] && [ "$rest" = "TS Maximized|TS Minimized|TS Owner|TS Plain" ] ||
  e2e_fail "rows with the main form shown: $got"
e2e_screenshot "$CTL_SHOTS/switcher-own-form.png"
e2e_pass
