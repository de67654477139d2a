#!/bin/bash
# Builds everything: the native build (logic, unit tests, benchmarks) in
# build/native, and the Windows cross builds in build/win32 (the shipped
# 32-bit binaries) and build/win64 (the same sources for x86_64).
# Usage: scripts/build.sh [native|win32|win64]...   (default: all three)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
JOBS="${JOBS:-$(nproc)}"
# A compiler cache, where the machine has one, shared by checkouts that sit
# side by side.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$ROOT/.." && pwd)}"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The 64-bit tree builds every end-to-end test program only where 32-bit
# programs cannot run (there the whole suite runs on it); beside a working
# 32-bit tree it builds those of the tests it runs (tests/e2e/programs).
source "$ROOT/scripts/wine-loader.sh"
all_programs_64=ON
quorvel_wine32_runs && all_programs_64=OFF
targets=("$@")
# win64 before win32: the 32-bit build's setup program takes the 64-bit files.
[ ${#targets[@]} -eq 0 ] && targets=(native win64 win32)
for t in "${targets[@]}"; do
  dir="$ROOT/build/$t"
  case "$t" in
    native) args=() ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake") ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-x86_64-mingw.cmake" -DQUORVEL_E2E_ALL_PROGRAMS=$all_programs_64) ;;
    *) echo "unknown build $t" >&2; exit 2 ;;
  esac
  echo "== build $t"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "${args[@]}" >/dev/null
  cmake --build "$dir" -j "$JOBS"
done
