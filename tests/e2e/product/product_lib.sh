# Helpers of the product tests (sourced after e2e.sh and control_lib.sh).

SETUP=$(dirname "$QUORVEL_BIN")/dist/Quorvel-2.1.20-setup.exe
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
USER_KEY='HKCU\Software\Harnwick\Quorvel'
START_MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel"
SHIPPED="Quorvel.exe QuorvelTutorial.exe system.dat system2.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.chm Uninstall.exe"
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

# prd_setup ARGS...: runs the setup program to its end.
prd_setup() { timeout 120 wine "$SETUP" "$@" >/dev/null 2>&1; }
