# Helpers of the product tests (sourced after e2e.sh and control_lib.sh).

SETUP=$(dirname "$QUORVEL_BIN")/dist/Quorvel-2.1.20-setup.exe
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
USER_KEY='HKCU\Software\Harnwick\Quorvel'
START_MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel"
SESSION_KEY='HKLM\System\CurrentControlSet\Control\Session Manager'
SHIPPED="Quorvel.exe QuorvelTutorial.exe system.dat system2.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.chm system64.dat QuorvelHook64.exe Uninstall.exe"
BIN64=$(dirname "$QUORVEL_BIN")/../win64/bin
SHORTCUTS="Quorvel.lnk|Quorvel Shortcuts Tutorial.lnk|Quorvel Help.lnk|Uninstall Quorvel.lnk"

# prd_reg_string NAME KEY: a REG_SZ value's text (fails when it is missing).
prd_reg_string() {
  wine reg query "$2" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v n="$1" '$1==n && $2 ~ /^REG_/ { sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]+/, ""); print; f=1 } END { exit !f }'
}

# prd_quorvel_processes DIR WINDIR: the running Quorvel.exe processes started
# from the folder (their command lines).
prd_quorvel_processes() {
  ps -eo args | grep -i 'Quorvel\.exe' | grep -iF -e "$1" -e "$2" | grep -v -e grep -e '/exit'
}

# prd_check_files DIR: every shipped file is in DIR as built (the 64-bit
# ones as the 64-bit build made them).
prd_check_files() {
  local f src
  for f in $SHIPPED; do
    [ -f "$1/$f" ] || e2e_fail "$f is not installed"
    case $f in system2.dat) src=$QUORVEL_BIN/system.dat ;; system64.dat | QuorvelHook64.exe) src=$BIN64/$f ;; *) src=$QUORVEL_BIN/$f ;; esac
    [ "$f" = Uninstall.exe ] || cmp -s "$1/$f" "$src" || e2e_fail "$f is not the built one"
  done
}

# prd_pending: the files left for the next boot (one a line), but
# for the NSIS uninstaller's own temporary copy, which cannot delete itself.
prd_pending() {
  wine reg query "$SESSION_KEY" /v PendingFileRenameOperations 2>/dev/null | tr -d '\r' |
    sed -n 's/.*PendingFileRenameOperations *REG_MULTI_SZ *//p' | sed 's/\\0/\n/g' | grep -v -e '^$' -e '\\~nsu[0-9]*\.tmp'
}

# prd_setup ARGS...: runs the setup program to its end.
prd_setup() { timeout 120 wine "$SETUP" "$@" >/dev/null 2>&1; }
