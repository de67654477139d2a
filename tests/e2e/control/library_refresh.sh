# The library file refresh never loses the library: a torn or non-PE
# "system2.dat" does not replace a good "system.dat"; a "system.dat" that
# does not load is replaced by the previous one; an install folder outside
# the ANSI code page still starts. Each time the program starts its hooks.
source "$QUORVEL_E2E_LIB"; e2e_begin
source "$(dirname "${BASH_SOURCE[0]}")/control_lib.sh"
ctl_install_app
GOOD=$(md5sum <"$APP/system.dat")

starts() {  # DIR: Quorvel.exe from DIR starts its hooks
  local dir=$1 pid
  rm -f "$dir/QuorvelLog.txt"
  pid=$(e2e_start "$dir/Quorvel.exe")
  e2e_wait_file_has "$dir/QuorvelLog.txt" "Leave function start" 20 || e2e_fail "no hook start from $dir"
  e2e_file_has "$dir/QuorvelLog.txt" "Error when starting" && e2e_fail "hook start failed in $dir"
  e2e_stop "$pid"; wineserver -k; wineserver -w
}

# A torn copy and a file that is no PE image at all.
for kind in torn text; do
  case $kind in
    torn) head -c 30000 "$APP/system.dat" >"$APP/system2.dat" ;;
    text) echo "not a library" >"$APP/system2.dat" ;;
  esac
  starts "$APP"
  [ "$(md5sum <"$APP/system.dat")" = "$GOOD" ] || e2e_fail "a $kind system2.dat replaced the library"
  [ ! -e "$APP/system.dat.new" ] || e2e_fail "temporary copy left behind"
done

# A library that does not load: the previous one is put back.
rm -f "$APP/system2.dat"
cp "$APP/system.dat" "$APP/Nouse.dat"
head -c 30000 "$APP/Nouse.dat" >"$APP/system.dat"
starts "$APP"
[ "$(md5sum <"$APP/system.dat")" = "$GOOD" ] || e2e_fail "the previous library was not put back"

# A folder name outside the ANSI code page.
WIDE="$E2E_TMP/Ünïcødé-日本語"
mkdir -p "$WIDE"; cp "$APP"/* "$WIDE/"
starts "$WIDE"
e2e_file_has "$WIDE/QuorvelLog.txt" "Install Path : " || e2e_fail "no install path in the log"
e2e_pass
