# Makes the shared Wine prefix of this run (a fresh one each run). Within one
# run of scripts/test.sh ($QUORVEL_E2E_RUN) a prefix that the benchmark has
# already made for this build is kept: one prefix per build and run.
source "$QUORVEL_E2E_LIB"
if [ -z "${QUORVEL_E2E_RUN:-}" ] || [ "$(cat "$WINEPREFIX/.quorvel-ready" 2>/dev/null)" != "$QUORVEL_E2E_RUN" ]; then
  rm -rf "$QUORVEL_E2E_WORK"
fi
e2e_prefix_init
[ -f "$WINEPREFIX/.quorvel-ready" ] || e2e_fail "prefix not made"
[ -f "$WINEPREFIX/.quorvel-fresh/system.reg" ] || e2e_fail "no copy of the fresh registry"
grep -q 'Harnwick\\\\Quorvel\]' "$WINEPREFIX/.quorvel-fresh/system.reg" ||
  e2e_fail "the fresh registry lacks the machine-wide key"
start=$(date +%s%N)
e2e_prefix_reset
e2e_log "prefix ready; putting it back as made takes $(( ($(date +%s%N) - start) / 1000000 )) ms"
e2e_pass
