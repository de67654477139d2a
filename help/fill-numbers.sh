#!/bin/bash
# Fills the @NAME@ placeholders of the help pages in OUTDIR with the
# program's own numbers and names (the sed script the build makes from the
# headers), and fails, naming page and placeholder, when a page names one
# that no header defines.
# Usage: fill-numbers.sh SED_SCRIPT OUTDIR
set -euo pipefail
sed -i -f "$1" "$2"/*.html
if left=$(grep -o '@[A-Z][A-Z0-9_]*\(:[a-z]*\)\?@' "$2"/*.html); then
  echo "help: no header of the program defines $(echo "$left" | sed "s|^$2/||" | paste -sd' ')" >&2
  exit 1
fi
