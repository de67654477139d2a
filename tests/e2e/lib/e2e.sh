# Shared helpers for the end-to-end tests. Source it from a test script:
#   source "$QUORVEL_E2E_LIB"; e2e_begin
# Environment (set by CTest, or by hand):
#   QUORVEL_BIN       folder of the cross-built binaries
#   QUORVEL_E2E_WORK  scratch folder of this run (the Wine prefix lives here)
#   E2E_DISPLAY       use this X display instead of starting a private Xvfb
# Every process a test starts is recorded and ended by id when it exits.

set -u
: "${QUORVEL_BIN:?QUORVEL_BIN must name the folder of the cross-built binaries}"
: "${QUORVEL_E2E_WORK:=${TMPDIR:-/tmp}/quorvel-e2e}"
export WINEPREFIX="${WINEPREFIX:-$QUORVEL_E2E_WORK/prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
E2E_NAME="$(basename "${BASH_SOURCE[1]:-e2e}" .sh)"
E2E_PIDS=()
E2E_XVFB_PID=""
E2E_TMP=""
E2E_SCREEN_W=1024
E2E_SCREEN_H=768

e2e_log() { echo "[$E2E_NAME $(date +%H:%M:%S.%N | cut -c1-12)] $*" >&2; }
e2e_fail() { e2e_log "FAIL: $*"; exit 1; }
e2e_pass() { e2e_log "PASS"; exit 0; }

# Wine's loader for a binary: wine for 32-bit, wine64 for 64-bit images.
e2e_wine_for() {
  if [ "${QUORVEL_ARCH:-i686}" = "x86_64" ] && command -v wine64 >/dev/null; then echo wine64; else echo wine; fi
}

e2e_free_display() {
  local n
  for n in $(seq 90 400); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then echo "$n"; return 0; fi
  done
  return 1
}

e2e_start_xvfb() {
  if [ -n "${E2E_DISPLAY:-}" ]; then export DISPLAY="$E2E_DISPLAY"; return 0; fi
  local n tries
  for tries in 1 2 3 4 5; do
    n=$(e2e_free_display) || e2e_fail "no free X display number"
    # -noreset: what a test sets on the display (its keyboard map) stays
    # while no program is connected to it.
    Xvfb ":$n" -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -ac -noreset >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      if xdpyinfo >/dev/null 2>&1; then return 0; fi
      if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then break; fi
      sleep 0.05
    done
    kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  done
  e2e_fail "Xvfb did not start"
}

# Makes the Wine prefix if it is missing (once per run; safe to call from
# several scripts at once thanks to the lock). A fresh prefix leaves a copy
# of its registry and drive links in $WINEPREFIX/.quorvel-fresh, which
# e2e_prefix_reset puts back. The ready mark names the run that made the
# prefix ($QUORVEL_E2E_RUN, set by scripts/test.sh): within a run a prefix
# of an earlier run is made anew, and the set-up test keeps a prefix the
# benchmark made in the same run.
e2e_prefix_init() {
  mkdir -p "$QUORVEL_E2E_WORK"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.quorvel-ready" ] || [ ! -f "$WINEPREFIX/.quorvel-fresh/user.reg" ] ||
       { [ -n "${QUORVEL_E2E_RUN:-}" ] && [ "$(cat "$WINEPREFIX/.quorvel-ready")" != "$QUORVEL_E2E_RUN" ]; }; then
      rm -rf "$WINEPREFIX"
      e2e_log "creating Wine prefix $WINEPREFIX"
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      # The machine-wide key our installer creates.
      wine reg add 'HKLM\SOFTWARE\Harnwick\Quorvel' /f >/dev/null 2>&1
      wineserver -k >/dev/null 2>&1; wineserver -w
      mkdir -p "$WINEPREFIX/.quorvel-fresh"
      cp "$WINEPREFIX"/*.reg "$WINEPREFIX/.quorvel-fresh/"
      cp -a "$WINEPREFIX/dosdevices" "$WINEPREFIX/.quorvel-fresh/dosdevices"
      echo "${QUORVEL_E2E_RUN:-}" >"$WINEPREFIX/.quorvel-ready"
    fi
  ) 9>"$QUORVEL_E2E_WORK/prefix.lock"
}

# e2e_prefix_reset: the prefix as it was made, whatever a test before (even
# one killed by its timeout) left in it: its processes end, and the registry
# (machine-wide and user keys, Wine's own settings such as the dpi, the
# virtual desktop and the drives, file associations) and the drive links
# are put back. Files the tests wrote under drive_c stay.
e2e_prefix_reset() {
  local fresh="$WINEPREFIX/.quorvel-fresh"
  wineserver -k >/dev/null 2>&1; wineserver -w 2>/dev/null
  [ -f "$fresh/user.reg" ] || e2e_fail "the prefix has no fresh registry to put back"
  cp "$fresh"/*.reg "$WINEPREFIX/"
  rm -rf "$WINEPREFIX/dosdevices"
  cp -a "$fresh/dosdevices" "$WINEPREFIX/dosdevices"
}

# e2e_record PID: the process is ended when the test ends. Works from a
# command substitution too (the id goes to a file the test's shell reads).
e2e_record() {
  E2E_PIDS+=("$1")
  [ -n "$E2E_TMP" ] && echo "$1" >>"$E2E_TMP/.pids"
  return 0
}

e2e_cleanup() {
  local pid pids=("${E2E_PIDS[@]}")
  [ -n "$E2E_TMP" ] && [ -f "$E2E_TMP/.pids" ] && mapfile -t -O "${#pids[@]}" pids <"$E2E_TMP/.pids"
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  sleep 0.2
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
  # Processes the tested programs started themselves (a launched browser,
  # a helper) belong to this prefix's server: end them with it.
  WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1
  if [ -n "$E2E_XVFB_PID" ]; then kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null; fi
  [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}

# e2e_begin: private display, prefix, scratch folder $E2E_TMP, cleanup trap.
e2e_begin() {
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  e2e_prefix_init
  e2e_start_xvfb
  E2E_TMP=$(mktemp -d "${QUORVEL_E2E_WORK}/${E2E_NAME}.XXXXXX")
  # Every test starts in the prefix as it was made: no stored setting (all
  # features on), no first-start mark, no user preferences, whatever the
  # test before it did or left running.
  e2e_prefix_reset
  e2e_log "display $DISPLAY prefix $WINEPREFIX tmp $E2E_TMP"
}

# e2e_virtual_desktop: the programs started from now on run in a Wine
# virtual desktop of the screen's size, where explorer shows a taskbar with
# a notification area. For this test only: the next one starts with the
# prefix's own registry again. Call it before starting any program.
e2e_virtual_desktop() {
  local reg="$E2E_TMP/virtual-desktop.reg"
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' "\"Default\"=\"${E2E_SCREEN_W}x${E2E_SCREEN_H}\"" >"$reg"
  wine reg import "$(e2e_winpath "$reg")" >/dev/null 2>&1 || e2e_fail "could not switch to a virtual desktop"
}

# e2e_install DIR: copies the shipped files into DIR (an install folder).
e2e_install() {
  local dir=$1; mkdir -p "$dir"
  local f
  for f in system.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.exe QuorvelTutorial.exe Quorvel.chm; do
    [ -e "$QUORVEL_BIN/$f" ] && cp "$QUORVEL_BIN/$f" "$dir/"
  done
  return 0
}

# e2e_start_hooks DIR: the hook driver loads system.dat from DIR, starts the
# hooks and keeps them until the test ends; its output is
# $E2E_TMP/hookdriver.exe.out.
e2e_start_hooks() {
  e2e_start "$QUORVEL_BIN/hookdriver.exe" "$(e2e_winpath "$1")" version marker start wait >/dev/null
  local out="$E2E_TMP/hookdriver.exe.out"
  e2e_wait_file_has "$out" "waiting" 30 || e2e_fail "hook driver did not start: $(cat "$out" 2>/dev/null)"
  grep -q "startHook=1" "$out" || e2e_fail "startHook failed: $(cat "$out")"
}

# Unix path -> Windows path (Z:\...)
e2e_winpath() { echo "Z:$(readlink -f "$1" | sed 's#/#\\#g')"; }

# e2e_start EXE [ARGS...]: starts a Windows program in the background;
# its id is recorded (also when called as $(e2e_start ...)) and printed.
# Its output is appended to $E2E_TMP/<exe file name>.out
e2e_start() {
  local exe=$1; shift
  local out="$E2E_TMP/$(basename "$exe").out"
  "$(e2e_wine_for)" "$exe" "$@" >>"$out" 2>&1 &
  local pid=$!
  e2e_record "$pid"
  echo "$pid"
}

# e2e_run EXE [ARGS...]: runs a Windows program to its end, prints its output.
e2e_run() {
  local exe=$1; shift
  timeout 60 "$(e2e_wine_for)" "$exe" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

e2e_stop() { kill "$1" 2>/dev/null; sleep 0.1; kill -9 "$1" 2>/dev/null; wait "$1" 2>/dev/null; return 0; }

# e2e_wait_until TIMEOUT_SECONDS CMD...: polls CMD every 0.1 s.
e2e_wait_until() {
  local timeout=$1; shift
  local end=$(( $(date +%s%N) + timeout * 1000000000 ))
  while [ "$(date +%s%N)" -lt "$end" ]; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# e2e_wait_window NAME [TIMEOUT]: prints the X window id of a visible window
# whose title matches NAME exactly.
e2e_wait_window() {
  local name=$1 timeout=${2:-20} id=""
  local end=$(( $(date +%s) + timeout ))
  while [ "$(date +%s)" -le "$end" ]; do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# e2e_file_has FILE TEXT: the file (CR LF line ends allowed) holds TEXT.
e2e_file_has() { [ -f "$1" ] && tr -d '\r' <"$1" | grep -qF -- "$2"; }
e2e_wait_file_has() { e2e_wait_until "${3:-10}" e2e_file_has "$1" "$2"; }
e2e_count_in_file() { if [ -f "$1" ]; then tr -d '\r' <"$1" | grep -cF -- "$2"; else echo 0; fi; }

e2e_screenshot() { import -display "$DISPLAY" -window root "$1" 2>/dev/null; }

# Registry helpers (HKLM\SOFTWARE\Harnwick\Quorvel unless a key is given).
E2E_KEY='HKLM\SOFTWARE\Harnwick\Quorvel'
e2e_reg_set_dword() { wine reg add "${3:-$E2E_KEY}" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
e2e_reg_delete() { wine reg delete "${2:-$E2E_KEY}" /v "$1" /f >/dev/null 2>&1; return 0; }
# prints the value's data as Wine's reg prints it (0x... for a DWORD), or fails
e2e_reg_query() {
  wine reg query "${2:-$E2E_KEY}" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1==n {print $3; f=1} END {exit !f}'
}

# Pointer and keyboard (xdotool)
e2e_move() { xdotool mousemove "$1" "$2"; }
e2e_down() { xdotool mousedown "$1"; }
e2e_up() { xdotool mouseup "$1"; }
e2e_click() { xdotool click "$1"; }
# e2e_drag BUTTON X1 Y1 X2 Y2 [STEPS]: press at (X1,Y1), move in steps, release.
e2e_drag() {
  local b=$1 x1=$2 y1=$3 x2=$4 y2=$5 steps=${6:-6} i
  xdotool mousemove "$x1" "$y1"; sleep 0.05
  xdotool mousedown "$b"; sleep 0.05
  for i in $(seq 1 "$steps"); do
    xdotool mousemove $(( x1 + (x2 - x1) * i / steps )) $(( y1 + (y2 - y1) * i / steps )); sleep 0.02
  done
  sleep 0.05; xdotool mouseup "$b"; sleep 0.1
}
