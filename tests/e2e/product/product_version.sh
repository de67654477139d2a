# Every shipped binary carries version 2.1.20 with product name, publisher
# and its own description; Quorvel.exe has the application icon (1) and the
# paused variant (2), the tutorial its icon (1); the setup program and the
# portable zip, which holds the 64-bit files too (a build without them
# fails).
source "$QUORVEL_E2E_LIB"; e2e_begin
cd "$QUORVEL_BIN"
# file|description|icons (optional files are checked when this build has them)
table="system.dat|Quorvel hook library|-
Util.dat|Quorvel crash-report helper|-
SetForegroundWindow.exe|Quorvel show-desktop helper|-
Quorvel.exe|Quorvel mouse shortcuts|1,2
QuorvelTutorial.exe|Quorvel shortcuts tutorial|1
system64.dat?||-
QuorvelHook64.exe?||"
while IFS='|' read -r file description icons; do
  case $file in *\?) file=${file%\?}; [ -f "$file" ] || continue ;; esac
  line=$(e2e_run "$QUORVEL_BIN/product_probe.exe" "$file")
  e2e_log "$line"
  want="$file fixed=2.1.20.0 FileVersion=2.1.20|ProductVersion=2.1.20|ProductName=Quorvel|"
  case $line in "$want"*) ;; *) e2e_fail "version of $file: $line" ;; esac
  echo "$line" | grep -q '|CompanyName=Harnwick|' || e2e_fail "publisher of $file: $line"
  [ -z "$description" ] || echo "$line" | grep -qF "|FileDescription=$description|" || e2e_fail "description of $file: $line"
  [ -z "$icons" ] || echo "$line" | grep -q "|icons=$icons\$" || e2e_fail "icons of $file: $line"
done <<<"$table"

# The setup program says what it installs; the portable zip holds the shipped
# files, as built (in the shipped build, which makes both).
DIST=$(dirname "$QUORVEL_BIN")/dist
if [ -d "$DIST" ]; then
  setup=$(e2e_run "$QUORVEL_BIN/product_probe.exe" "$(e2e_winpath "$DIST/Quorvel-2.1.20-setup.exe")")
  echo "$setup" | grep -q 'FileVersion=2.1.20|.*ProductName=Quorvel|FileDescription=Quorvel setup|CompanyName=Harnwick' ||
    e2e_fail "setup program: $setup"
  mkdir -p "$E2E_TMP/zip" && (cd "$E2E_TMP/zip" && unzip -q "$DIST/Quorvel-2.1.20-portable.zip") || e2e_fail "no portable zip"
  BIN64=$(dirname "$QUORVEL_BIN")/../win64/bin
  for f in Quorvel.exe QuorvelTutorial.exe system.dat Util.dat SetForegroundWindow.exe ShowDesktop.scf Quorvel.chm \
           64:system64.dat 64:QuorvelHook64.exe; do
    case $f in 64:*) f=${f#64:}; src=$BIN64/$f ;; *) src=$QUORVEL_BIN/$f ;; esac
    cmp -s "$E2E_TMP/zip/Quorvel/$f" "$src" || e2e_fail "the zip's $f is not the built one"
  done
  # Without the 64-bit files the build of both fails, naming them.
  out=$(cmake -DFOLDER="$E2E_TMP/empty" "-DNAMES=system64.dat QuorvelHook64.exe" \
        -P "$(dirname "${BASH_SOURCE[0]}")/../../../installer/RequireFiles.cmake" 2>&1) && e2e_fail "a build without the 64-bit files goes on"
  echo "$out" | tr -s " \n" " " | grep -q "need the 64-bit files.*system64.dat.*QuorvelHook64.exe" || e2e_fail "the missing files are not named: $out"
fi
e2e_pass
