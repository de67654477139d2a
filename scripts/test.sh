#!/bin/bash
# Builds and runs every test: the native unit tests, the benchmarks (they
# print figures), and the end-to-end tests under Wine on a private Xvfb
# display with a private Wine prefix, for the 32-bit build and (the library
# core: start-up, exception guard, fault containment, unload, hostile record,
# library refresh, Smart Move) for the 64-bit build. On a machine that
# runs only 64-bit user code (32-bit Wine cannot start there) the whole
# end-to-end suite runs on the 64-bit build instead.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/install-packages.sh" || exit 1
bash "$ROOT/scripts/build.sh" || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
source "$ROOT/scripts/wine-loader.sh"
quorvel_select_wine "$ROOT"

passed=0; failed=0
run_ctest() {  # name, build dir, ctest args...
  local name=$1 dir=$2; shift 2
  echo "== $name"
  local log="$ROOT/build/ctest-$name.log"
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local p f
  p=$(sed -n 's/^.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*$/\2 \1/p' "$log" | tail -1)
  if [ -z "$p" ]; then
    if grep -q "No tests were found" "$log"; then return; fi
    failed=$((failed + 1)); return
  fi
  set -- $p
  passed=$((passed + $1 - $2)); failed=$((failed + $2))
}

run_ctest unit "$ROOT/build/native" -L unit -j "$(nproc)"
echo "== benchmarks"
bash "$ROOT/bench/run_benchmarks.sh" "$ROOT/build/native" || true
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

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
