#!/bin/bash
# Cost per message of the hook libraries' three hooks under Wine, side by
# side in one run: system.dat (32-bit) and system64.dat (64-bit), each
# against an empty pass-through hook library of the same architecture.
# Prints ns per message without hooks, with the empty library, with Quorvel's,
# and the ratio Quorvel / empty. Usage: bench/wine_hooks_bench.sh [ROOT]
ROOT="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
BIN32="$ROOT/build/win32/bin"
BIN64="$ROOT/build/win64/bin"
[ -f "$BIN32/hookbench.exe" ] || { echo "no 32-bit build with hookbench.exe: skipped"; exit 0; }
source "$ROOT/scripts/wine-loader.sh"
quorvel_select_wine "$ROOT"
# The 32-bit tree's end-to-end prefix, made here if missing (through the
# same locked set-up; within one run of scripts/test.sh its set-up test then
# keeps it), put back as made before the bench runs.
export QUORVEL_BIN="$BIN32" QUORVEL_E2E_WORK="$ROOT/build/win32/e2e-work"
source "$ROOT/tests/e2e/lib/e2e.sh"
e2e_begin 2>/dev/null

# run ARCH BIN LIBRARY: the bench's lines for that library, prefixed "ARCH LIBRARY".
run() {
  local arch=$1 bin=$2 lib=$3 dir="$E2E_TMP/$1"
  mkdir -p "$dir"
  cp "$bin/hookbench.exe" "$bin/emptyhook.dll" "$dir/"
  [ -f "$bin/$lib" ] && cp "$bin/$lib" "$dir/"
  QUORVEL_ARCH=$([ "$arch" = 64 ] && echo x86_64 || echo i686) \
    e2e_run "$dir/hookbench.exe" "$(e2e_winpath "$dir")\\$lib" 3000 | sed "s/^/$arch $lib /"
}

# Twice each, alternating, the best figure kept: the machine's load varies.
for round in 1 2; do
  if [ "$QUORVEL_WINE32" = 1 ]; then
    run 32 "$BIN32" emptyhook.dll
    run 32 "$BIN32" system.dat
  fi
  if [ -f "$BIN64/hookbench.exe" ]; then
    run 64 "$BIN64" emptyhook.dll
    run 64 "$BIN64" system64.dat
  fi
done >"$E2E_TMP/results.txt"

echo "hooks under Wine: ns per message (best of 2 x 3 runs of 3000)"
awk '
  function least(a, k, v) { if (!(k in a) || v < a[k]) a[k] = v }
  { key = $1 " " $3; least(bare, key, $4); if ($2 == "emptyhook.dll") least(empty, key, $5); else least(ours, key, $5) }
  END {
    printf "%-4s %-7s %10s %10s %12s %10s\n", "arch", "message", "no hooks", "empty lib", "Quorvel lib", "ratio"
    n = split("32 quiet,32 move,32 posted,64 quiet,64 move,64 posted", order, ",")
    for (i = 1; i <= n; i++) {
      k = order[i]; if (!(k in ours) || !(k in empty)) continue
      split(k, p, " ")
      printf "%-4s %-7s %10d %10d %12d %10.2f\n", p[1], p[2], bare[k], empty[k], ours[k], (empty[k] > 0 ? ours[k] / empty[k] : 0)
    }
  }' "$E2E_TMP/results.txt"
