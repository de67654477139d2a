# The opening animation grows the column of operations; a click on an
# operation while it grows does nothing. The window as it then stands. Its
# pictures, when no drawing surface can be made for them, are left out
# rather than read from nowhere.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "$0")/tutorial_lib.sh"

tut_start
out=$(tut_probe click-during-opening) || e2e_fail "probe could not click during the opening"
e2e_log "$out"
visible=${out#visible-after-click=}
[ "$visible" -lt 11 ] 2>/dev/null || e2e_fail "the click came after the opening animation ($out)"

tut_probe wait-ready 30000 || e2e_fail "the opening animation did not end"
sleep 1
L="$E2E_TMP/list.txt"; tut_list "$L"
tut_expect_field "$L" $TUT_PICTURE1 vis 0
tut_expect_field "$L" $TUT_STEP1 vis 0
tut_expect_field "$L" $TUT_FRAME1 vis 0
tut_expect_field "$L" $TUT_LABEL_HEAD vis 1
tut_expect_field "$L" $TUT_ARROW_LEFT vis 1
tut_expect_text "$L" $TUT_LABEL_HEAD "Click on an operation to see how to do it with Quorvel"
dpi=$(tut_dpi "$L")
i=0
for caption in "IE Go Back" "IE Go Forward" "IE Stop" "IE Go To URL" "Launch New IE" "Minimize Application" \
               "Maximize Application" "Restore Application" "Close Application" "Show Desktop" \
               "Switch to Last Active Application"; do
  id=$((TUT_OPERATION0 + i))
  tut_expect_text "$L" $id "$caption"
  tut_expect_field "$L" $id vis 1
  tut_expect_field "$L" $id en 1
  # each one 576 twips below the one before
  gap=$(( $(tut_field "$L" $id y) - $(tut_field "$L" $TUT_OPERATION0 y) ))
  [ "$gap" -eq $(( $(tut_px $((120 + 576 * i)) "$dpi") - $(tut_px 120 "$dpi") )) ] ||
    e2e_fail "operation $i is $gap pixels below the first"
  i=$((i + 1))
done
# The client area is 9444 x 6384 twips at the display's DPI.
geo=$(xdotool getwindowgeometry "$TUT_WID" | awk '/Geometry/ { print $2 }')
e2e_log "dpi $dpi window $geo"
[ "$geo" = "$(tut_px 9444 "$dpi")x$(tut_px 6384 "$dpi")" ] || e2e_fail "window is $geo"

shot=$(tut_shot opening)
teal=$(tut_color_share "$shot" "$L" $((TUT_OPERATION0 + 5)) "rgb(0,128,128)")
tut_at_least "$teal" 0.02 || e2e_fail "the operation labels are not drawn in teal ($teal)"
# The pointer stayed over the first operation after its click: it is highlighted.
hover=$(tut_color_share "$shot" "$L" $TUT_OPERATION0 "rgb(84,175,98)")
tut_at_least "$hover" 0.02 || e2e_fail "the operation under the pointer is not highlighted ($hover)"
arrow=$(tut_color_share "$shot" "$L" $TUT_ARROW_LEFT "rgb(244,150,30)")
tut_at_least "$arrow" 0.1 || e2e_fail "the arrow is not drawn ($arrow)"

# Closing the window in the middle of an animation ends the program.
tut_click "$L" $((TUT_OPERATION0 + 8))
tut_probe wait-visible $TUT_STEP2 1 10000 || e2e_fail "\"Close Application\" did not start"
tut_probe close || e2e_fail "could not ask the window to close"
e2e_wait_until 10 bash -c "! kill -0 $TUT_PID" || e2e_fail "the program did not end when closed during an animation"

pictures=$(e2e_run "$QUORVEL_BIN/tutorial_pictures.exe" 12000)
case "$pictures" in
  surface=1*) e2e_log "this system makes even a 48000-pixel surface: the failure case is not reached ($pictures)" ;;
  "surface=0 big=0 normal=3") ;;
  *) e2e_fail "pictures without a drawing surface: '$pictures'" ;;
esac
e2e_pass
