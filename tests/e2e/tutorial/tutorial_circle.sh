# A click shortcut ("Launch New IE"): the one-line instruction, the mouse
# picture running once clockwise around a circle of 40 places, the circle
# caption and shape, then "&Show Again" replays without the step reveal.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/tutorial_lib.sh"

tut_start
tut_probe wait-ready 30000 || e2e_fail "the opening animation did not end"
L="$E2E_TMP/list.txt"; tut_list "$L"
dpi=$(tut_dpi "$L")

W="$E2E_TMP/watch.txt"
tut_probe watch $TUT_PICTURE_MOUSE 40000 $TUT_FRAME1 >"$W" &
watcher=$!
sleep 0.5
tut_click "$L" $((TUT_OPERATION0 + 4))

tut_probe wait-visible $TUT_PICTURE_MOUSE 1 20000 || e2e_fail "the mouse picture did not show"
tut_list "$L"
tut_expect_text "$L" $TUT_STEP2 "Draw a circle using mouse. You should finish it within 1.5 seconds."
tut_expect_field "$L" $TUT_STEP2 vis 1
tut_expect_field "$L" $TUT_STEP1 vis 0
tut_expect_field "$L" $TUT_STEP3 vis 0
sleep 1.5
shot=$(tut_shot circle_during)
blue=$(tut_color_share "$shot" "$L" $TUT_PICTURE1 "rgb(0,0,128)")
tut_at_least "$blue" 0.6 || e2e_fail "the drawing area is not dark blue ($blue)"

tut_probe wait-visible $TUT_FRAME1 1 30000 || e2e_fail "the description did not show"
wait "$watcher"
shot=$(tut_shot circle_description)
tut_list "$L"
tut_expect_text "$L" $TUT_CURSOR_MOVEMENT "Cursor trace minimum circle : "
tut_expect_field "$L" $TUT_CURSOR_MOVEMENT vis 1
tut_expect_field "$L" $TUT_CIRCLE vis 1
tut_expect_field "$L" $TUT_MOVE_DESCRIPTION vis 0
tut_expect_field "$L" $TUT_LINE vis 0
tut_expect_text "$L" $TUT_DESCRIPTION "You can launch a new instance of IE by moving cursor in a circular way. You can do it clockwise or counter-clockwise. Just make sure that the circle formed by cursor trace is not too small. Miminum diameter is about two inches. When moving cursor, you should also take care to prevent it from touching screen edge. When doing this action, you don't need press any mouse button."
tut_expect_field "$L" $TUT_SHOW_AGAIN vis 1
tut_expect_field "$L" $((TUT_OPERATION0 + 4)) en 0

# Waiting right of home, then the 40 places of one clockwise turn of radius
# 650 twips around home, seen in that order.
check_circle() {
  awk -v dpi="$dpi" '
    function px(t) { return int((t * dpi + 720) / 1440) }
    function rnd(v) { return v < 0 ? -int(-v + 0.5) : int(v + 0.5) }
    BEGIN {
      pi = atan2(0, -1)
      place[0] = px(930 + 750) "," px(660)
      for (i = 0; i < 40; i++) {
        ang = -2 * pi * i / 40
        place[i + 1] = px(930 + rnd(650 * cos(ang))) "," px(660 - rnd(650 * sin(ang)))
      }
      at = 0
    }
    /vis=1/ {
      split($3, xs, "="); split($4, ys, "="); p = xs[2] "," ys[2]
      while (at <= 40 && place[at] != p) at++
      if (at > 40) { print "out of order or off the circle: " $0; exit 1 }
      seen++
    }
    END {
      if (place[40] != p) { print "ended at " p ", expected " place[40]; exit 1 }
      if (seen < 33) { print "only " seen " places seen"; exit 1 }
    }'
}
e2e_log "mouse picture: $(grep -c 'vis=1' "$W") places seen"
check_circle <"$W" || e2e_fail "the mouse picture did not run the circle"

# "&Show Again": the same turn, the button disabled meanwhile, no "See animation".
W2="$E2E_TMP/watch2.txt"
tut_probe watch $TUT_PICTURE_MOUSE 8000 >"$W2" &
watcher=$!
sleep 0.5
tut_click "$L" $TUT_SHOW_AGAIN
sleep 0.8
tut_list "$L"
tut_expect_field "$L" $TUT_SHOW_AGAIN en 0
tut_expect_field "$L" $TUT_SEE_ANIMATION vis 0
tut_expect_field "$L" $TUT_STEP2 h "$(tut_px 500 "$dpi")"
tut_expect_field "$L" $TUT_OPERATION0 en 0
wait "$watcher"
tut_list "$L"
tut_expect_field "$L" $TUT_SHOW_AGAIN en 1
tut_expect_field "$L" $TUT_OPERATION0 en 1
tut_expect_field "$L" $((TUT_OPERATION0 + 4)) en 0
# (its first line is where the first turn ended)
tail -n +2 "$W2" | check_circle || e2e_fail "\"Show Again\" did not replay the circle"
e2e_pass
