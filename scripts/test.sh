#!/bin/bash
# Builds and runs every test: the native unit tests, the benchmarks (they
# print figures), and the end-to-end tests under Wine on a private Xvfb
# display with a private Wine prefix, for the 32-bit build and (the library
# core: start-up, exception guard, fault containment, unload, hostile record,
# library refresh, Smart Move) for the 64-bit build. On a machine that
# runs only 64-bit user code (32-bit Wine cannot start there) the whole
# end-to-end suite runs on the 64-bit build instead.
# The whole run keeps to a time budget (QUORVEL_TEST_BUDGET seconds, 75
# minutes by default, counted from QUORVEL_TEST_START, which .ci/run sets
# before it installs anything): tests still waiting at the deadline do not
# run and count as failed, and the closing "N passed, N failed" line is
# always printed.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
START=${QUORVEL_TEST_START:-$(date +%s)}
BUDGET=${QUORVEL_TEST_BUDGET:-4500}
# Tests stop 2 minutes before the end of the budget: time to end the last
# one, count and print.
DEADLINE=$(( START + BUDGET - 120 ))
left() { echo $(( DEADLINE - $(date +%s) )); }
# for timeout, which takes 0 as "no limit"
left_or_1() { local l; l=$(left); [ "$l" -ge 1 ] && echo "$l" || echo 1; }
# One Wine prefix per build and run: the benchmark and the set-up test of
# the end-to-end suite share it (see tests/e2e/lib/prefix_setup.sh).
export QUORVEL_E2E_RUN="$(date +%s)-$$"

passed=0; failed=0
finish() {
  echo
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

timeout "$(left_or_1)" bash "$ROOT/scripts/install-packages.sh" || { echo "install failed"; failed=1; finish; }
timeout "$(left_or_1)" bash "$ROOT/scripts/build.sh" || { echo "build failed"; failed=1; finish; }
source "$ROOT/scripts/wine-loader.sh"
quorvel_select_wine "$ROOT"

# run_ctest NAME BUILD_DIR CTEST_ARGS...: runs the tests until the deadline;
# each test that passed (or skipped itself) counts as passed, every other
# one (failed, timed out, or not run for lack of time) as failed.
run_ctest() {
  local name=$1 dir=$2; shift 2
  echo "== $name"
  local log="$ROOT/build/ctest-$name.log" total ok stop
  total=$(cd "$dir" && ctest -N "$@" | sed -n 's/^Total Tests: *\([0-9]*\).*/\1/p')
  total=${total:-0}
  # (ctest takes a stop time of day: one already past would mean tomorrow)
  if [ "$(left)" -le 30 ]; then
    echo "== no time left: $total tests not run"
    failed=$((failed + total)); return
  fi
  stop=$(date -d "@$DEADLINE" +%H:%M:%S)
  (cd "$dir" && timeout --kill-after=30 $(( $(left) + 120 )) ctest --output-on-failure --stop-time "$stop" "$@") 2>&1 | tee "$log"
  ok=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* (Passed|\*\*\*Skipped) +[0-9.]+ sec' "$log")
  [ "$ok" -lt "$total" ] && echo "== $name: $((total - ok)) of $total tests did not pass (failed, timed out or not run)"
  passed=$((passed + ok)); failed=$((failed + total - ok))
}

run_ctest unit "$ROOT/build/native" -L unit -j "$(nproc)"
# The benchmarks only print figures: they run while more than 20 minutes are left.
if [ "$(left)" -gt 1200 ]; then
  echo "== benchmarks"
  timeout 600 bash "$ROOT/bench/run_benchmarks.sh" "$ROOT/build/native" || true
else
  echo "== benchmarks left out: $(left) s left"
fi
if [ "$QUORVEL_WINE32" = 1 ]; then
  run_ctest e2e-win32 "$ROOT/build/win32" -L e2e
  run_ctest e2e-win64 "$ROOT/build/win64" -L e2e -R 'e2e\.(prefix_setup|core_[a-z_]*|control_library_refresh|windowhooks_smart_move_dialog)'
else
  echo "== this machine cannot run 32-bit programs (the 32-bit Wine loader fails):"
  echo "== the end-to-end suite runs on the 64-bit build; of the 32-bit build only the"
  echo "== imports and exports are checked (that needs no 32-bit code to run)"
  run_ctest e2e-win64 "$ROOT/build/win64" -L e2e
  run_ctest e2e-win32 "$ROOT/build/win32" -L e2e -R 'e2e\.(prefix_setup|core_library_imports)'
fi
finish
