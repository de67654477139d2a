# Makes the shared Wine prefix of this run (a fresh one each run).
source "$QUORVEL_E2E_LIB"
rm -rf "$QUORVEL_E2E_WORK"
e2e_prefix_init
[ -f "$WINEPREFIX/.quorvel-ready" ] || e2e_fail "prefix not made"
wineserver -k >/dev/null 2>&1
e2e_pass
