# At 144 pixels per inch: Quorvel.exe declares itself dpi-aware in its
# manifest, and the main form, the settings form and the rest notice are laid
# out at 144 dpi (pixels = twips * 144 / 1440) as their control tables say.
# Screenshots of the three are kept.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
HERE=$(dirname "${BASH_SOURCE[0]}")
FORM="Check to enable the features you want"
NOTICE="Advice from Quorvel"

ctl_install_app
grep -qa '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' "$APP/Quorvel.exe" ||
  e2e_fail "Quorvel.exe declares no dpi awareness"
ctl_set_dpi 144
e2e_reg_set_dword Setting 0xFFFF
xdotool mousemove 1000 767
QUORVEL=$(e2e_start "$APP/Quorvel.exe")
ctl_wait_animation_done || e2e_fail "the start animation did not run"
e2e_run "$APP/Quorvel.exe" >/dev/null
e2e_wait_until 10 ctl_visible Quorvel || e2e_fail "the main window was not shown"
[ "$(ctl_probe form Quorvel | awk '$1=="dpi" { print $2 }')" = 144 ] || e2e_fail "the display is not at 144 dpi"
ctl_check_layout Quorvel "$HERE/main_form.table" || e2e_fail "main form layout at 144 dpi"
e2e_screenshot "$CTL_SHOTS/main-form-144.png"

probe=$(ctl_probe form Quorvel)
xdotool mousemove $(( $(echo "$probe" | ctl_field x) + 100 )) $(( $(echo "$probe" | ctl_field y) + $(echo "$probe" | ctl_field h) - 6 ))
sleep 0.3; xdotool key Return
e2e_wait_until 10 ctl_visible "$FORM" || e2e_fail "the settings did not open"
ctl_check_layout "$FORM" "$HERE/setting_form.table" || e2e_fail "settings form layout at 144 dpi"
e2e_screenshot "$CTL_SHOTS/settings-form-144.png"
probe=$(ctl_probe form "$FORM")
xdotool mousemove $(( $(echo "$probe" | ctl_field cx) + 5 )) $(( $(echo "$probe" | ctl_field cy) + 5 ))
sleep 0.3; xdotool key Escape
e2e_wait_until 10 bash -c "! xdotool search --onlyvisible --name '^$FORM\$' >/dev/null" || e2e_fail "the settings did not close"

# The library's minute clock runs ahead, so that the notice comes at the
# program's next minute tick (posted); no input from here on (it would start
# a new work period).
xdotool mousemove 1000 767
ctl_clock_to_hour
ctl_minute_tick
e2e_wait_window "$NOTICE" 40 >/dev/null || e2e_fail "no rest notice at the minute tick"
at_top() { [ "$(ctl_form_field "$NOTICE" y)" = 0 ]; }
e2e_wait_until 5 at_top || e2e_fail "the notice did not come down to the top edge"
ctl_check_layout "$NOTICE" "$HERE/prompt_rest_form.table" || e2e_fail "notice layout at 144 dpi"
e2e_screenshot "$CTL_SHOTS/notice-144.png"
e2e_pass
