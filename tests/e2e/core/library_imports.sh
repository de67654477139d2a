# The shipped binaries stand alone: no mingw runtime DLL beside them, and
# system.dat's exports carry undecorated names: every name of the list in
# common/HookExports.h and no other. The programs import only KnownDLLs,
# which Windows never looks for in the program's folder.
source "$QUORVEL_E2E_LIB"
OBJDUMP=i686-w64-mingw32-objdump
[ "${QUORVEL_ARCH:-}" = x86_64 ] && OBJDUMP=x86_64-w64-mingw32-objdump
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|msvcrt|ole32|OLEAUT32|comdlg32|UxTheme|IMM32)\.dll$'
for f in system.dat Util.dat Quorvel.exe QuorvelTutorial.exe SetForegroundWindow.exe; do
  [ -f "$QUORVEL_BIN/$f" ] || continue
  while read -r dll; do
    echo "$dll" | grep -qiE "$allowed" || e2e_fail "$f imports $dll"
  done < <($OBJDUMP -p "$QUORVEL_BIN/$f" | awk '/DLL Name:/ {print $3}')
done
bad=$(for f in Quorvel.exe QuorvelTutorial.exe QuorvelHook64.exe; do [ -f "$QUORVEL_BIN/$f" ] && $OBJDUMP -p "$QUORVEL_BIN/$f"; done |
  awk '/DLL Name:/ {print $3}' | grep -viE '^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|msvcrt|ole32|OLEAUT32|IMM32)\.dll$')
[ -z "$bad" ] || e2e_fail "a program imports $bad, which Windows looks for beside the program first"
exports=$($OBJDUMP -p "$QUORVEL_BIN/system.dat" | awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^[ \t]*\[/ {print $NF} t && /^$/ {t=0}')
# The library's exports are exactly those of the one list the programs share.
list="$(dirname "${BASH_SOURCE[0]}")/../../../common/HookExports.h"
expected=$(sed -n 's/^[[:space:]]*X(\([A-Za-z]*\),.*/\1/p' "$list")
[ -n "$expected" ] || e2e_fail "no list of exports"
while read -r name; do
  echo "$exports" | grep -qx "$name" || e2e_fail "system.dat does not export $name"
done <<<"$expected"
while read -r name; do
  [ -z "$name" ] || echo "$expected" | grep -qx "$name" || e2e_fail "system.dat exports $name, which the list does not name"
done <<<"$exports"
echo "$exports" | grep -q '@' && e2e_fail "decorated export names"
e2e_pass
