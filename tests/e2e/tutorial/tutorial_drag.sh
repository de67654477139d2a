# A drag shortcut ("IE Go Back"): the step lines, the mouse picture pressing
# the right button and moving 612 twips to the left, then the description.
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
tut_click "$L" $TUT_OPERATION0

tut_probe wait-visible $TUT_SEE_ANIMATION 1 20000 || e2e_fail "\"See animation\" did not show"
tut_list "$L"
tut_expect_text "$L" $TUT_STEP1 "Step 1. Press mouse right button"
tut_expect_text "$L" $TUT_STEP2 "Step 2. Move mouse toward left"
tut_expect_text "$L" $TUT_STEP3 "Step 3. Release mouse right button"
tut_expect_text "$L" $TUT_SEE_ANIMATION "See animation"
tut_expect_field "$L" $TUT_PICTURE1 vis 1
tut_expect_field "$L" $TUT_LABEL_HEAD vis 0
tut_expect_field "$L" $TUT_FRAME1 vis 0
for i in 0 1 5 10; do tut_expect_field "$L" $((TUT_OPERATION0 + i)) en 0; done

# The plain mouse shows at home, 1 s later the right button is pressed.
tut_probe wait-visible $TUT_PICTURE_MOUSE 1 20000 || e2e_fail "the mouse picture did not show"
sleep 1.5
shot=$(tut_shot drag_during)
tut_list "$L"
blue=$(tut_color_share "$shot" "$L" $TUT_PICTURE1 "rgb(0,0,128)")
tut_at_least "$blue" 0.6 || e2e_fail "the drawing area is not dark blue ($blue)"
tut_at_least 0.99 "$blue" || e2e_fail "no mouse picture in the drawing area ($blue)"

tut_probe wait-visible $TUT_FRAME1 1 30000 || e2e_fail "the description did not show"
wait "$watcher"
shot=$(tut_shot drag_description)
tut_list "$L"
tut_expect_text "$L" $TUT_FRAME1 "Description "
tut_expect_text "$L" $TUT_DESCRIPTION "You can make IE go to previous page by moving mouse toward left horizontally while pressing right button, as long as cursor is on IE window. This action is just like selecting a piece of text using mouse, except pressing right button instead of left button. How far to move? To be simple, just a little. To be exact, you should make cursor move a miminum of one third of inch. \\r\\rIf you are a left-handed user and have swapped mouse left and right button, you should press left button when moving mouse."
tut_expect_text "$L" $TUT_CURSOR_MOVEMENT "Cursor minimum movement :"
tut_expect_text "$L" $TUT_MOVE_DESCRIPTION "( 1/3 inch, or 0.8 cm )"
tut_expect_field "$L" $TUT_LINE vis 1
tut_expect_field "$L" $TUT_CIRCLE vis 0
tut_expect_field "$L" $TUT_SHOW_AGAIN vis 1
tut_expect_field "$L" $TUT_SEE_ANIMATION vis 0
tut_expect_field "$L" $TUT_OPERATION0 en 0
for i in 1 4 10; do tut_expect_field "$L" $((TUT_OPERATION0 + i)) en 1; done

# The picture moved from home (930, 660 twips) in steps of 12 twips to 318.
home_x=$(tut_px 930 "$dpi"); home_y=$(tut_px 660 "$dpi"); end_x=$(tut_px 318 "$dpi")
e2e_log "mouse picture: $(grep -c . "$W") places seen, home $home_x,$home_y, end $end_x"
awk -v dpi="$dpi" -v hx="$home_x" -v hy="$home_y" -v ex="$end_x" '
  function px(t) { return int((t * dpi + 720) / 1440) }
  BEGIN { for (k = 0; k <= 51; k++) ok[px(930 - 12 * k)] = 1; n = 0; for (x in ok) n++ }
  /vis=1/ {
    split($3, a, "="); split($4, b, "="); x = a[2]; y = b[2]
    if (y != hy) { print "moved off the line: " $0; bad = 1 }
    if (!(x in ok)) { print "not a place of the drag: " $0; bad = 1 }
    if (seen == 0 && x != hx) { print "first shown away from home: " $0; bad = 1 }
    if (seen > 0 && x > last) { print "moved back: " $0; bad = 1 }
    if (!(x in got)) { got[x] = 1; distinct++ }
    last = x; seen++
  }
  END {
    if (last != ex) { print "ended at " last ", expected " ex; bad = 1 }
    if (distinct < 0.8 * n) { print "only " distinct " of " n " places seen"; bad = 1 }
    exit bad
  }' "$W" || e2e_fail "the mouse picture did not move as a drag to the left"
e2e_log "moved $((home_x - end_x)) pixels to the left"
e2e_pass
