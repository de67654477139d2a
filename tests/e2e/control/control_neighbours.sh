# Quorvel among neighbours that mean it harm. (1) comctl32.dll and oleacc.dll
# planted in its folder (Wine told to prefer them, "n,b") are never loaded.
# (2) The record's name held first, reserved and uncommitted, then too small
# (with Quorvel's own descriptor): hooked programs keep running, Quorvel
# says plainly that it cannot share its state, logs one line, and works
# once the squatter has gone.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
ctl_install_app
for name in comctl32 oleacc; do cp "$QUORVEL_BIN/planted.dll" "$APP/$name.dll"; done
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;comctl32,oleacc=n,b"
LOG="$APP/QuorvelLog.txt"
target() {
  e2e_start "$CTL_TARGET" "Control Target" 100 100 >/dev/null
  e2e_wait_window "Control Target" 20 >/dev/null || e2e_fail "the target window did not open"
}
told() { ctl_probe form Quorvel | grep -q 'cannot share its state'; }
works() {
  QUORVEL=$(e2e_start "$APP/Quorvel.exe")
  ctl_wait_animation_done || e2e_fail "Quorvel did not start ($1)"
  e2e_drag 2 300 200 200 200
  e2e_wait_until 5 ctl_iconic "Control Target" || e2e_fail "the minimize gesture does not work ($1)"
}

target; works "beside planted libraries"
e2e_start "$APP/QuorvelTutorial.exe" 0 >/dev/null
e2e_wait_window "Quorvel Shortcuts Tutorial" 30 >/dev/null || e2e_fail "the tutorial did not start"
marks=$(ls "$APP" | grep -i '\.planted$')
[ -z "$marks" ] || e2e_fail "a planted library was loaded: $marks"
wineserver -k; wineserver -w

target
for kind in reserved small; do
  squatter=$(e2e_start "$QUORVEL_BIN/recordwriter.exe" squat "$kind" 60)
  e2e_wait_file_has "$E2E_TMP/recordwriter.exe.out" "squatting $kind" 20 || e2e_fail "no squatter ($kind)"
  rm -f "$LOG"
  QUORVEL=$(e2e_start "$APP/Quorvel.exe")
  e2e_wait_until 20 told || e2e_fail "($kind) Quorvel did not say that it cannot share its state"
  e2e_screenshot "$CTL_SHOTS/squatted-$kind.png"
  [ "$(e2e_count_in_file "$LOG" "Shared state object is too small or not committed")" -ge 1 ] ||
    e2e_fail "($kind) no log line about the refused record"
  xdotool mousemove 250 200 click 1; sleep 0.5
  ctl_probe form "Control Target" | grep -q "^form " || e2e_fail "($kind) the hooked program is gone"
  ctl_click Quorvel OK || e2e_fail "($kind) the message has no OK button"
  ctl_wait_gone "$QUORVEL" 15 || e2e_fail "($kind) Quorvel did not end after saying so"
  e2e_stop "$squatter"
done
works "once the squatter had gone"
e2e_pass
