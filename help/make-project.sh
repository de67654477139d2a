#!/bin/bash
# Writes the help project (Quorvel.hhp), its table of contents (toc.hhc)
# and its index (index.hhk) from topics.txt into OUTDIR, beside the pages.
# Usage: make-project.sh TOPICS OUTDIR
set -euo pipefail
topics=$1 out=$2
entries() { grep -v '^#' "$topics" | grep .; }
object() {
  printf '<LI><OBJECT type="text/sitemap"><param name="Name" value="%s"><param name="Local" value="%s"></OBJECT>\n' "$2" "$1"
}
{
  echo '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN"><HTML><HEAD></HEAD><BODY>'
  echo '<OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT><UL>'
  entries | while IFS='|' read -r file title; do object "$file" "$title"; done
  echo '</UL></BODY></HTML>'
} >"$out/toc.hhc"
{
  echo '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN"><HTML><HEAD></HEAD><BODY><UL>'
  entries | sort -t'|' -k2 | while IFS='|' read -r file title; do object "$file" "$title"; done
  echo '</UL></BODY></HTML>'
} >"$out/index.hhk"
{
  cat <<HHP
[OPTIONS]
Compatibility=1.1 or later
Compiled file=Quorvel.chm
Contents file=toc.hhc
Index file=index.hhk
Default topic=index.html
Default Window=main
Display compile progress=No
Full-text search=Yes
Language=0x409 English (United States)
Title=Quorvel Help

[WINDOWS]
main="Quorvel Help","toc.hhc","index.hhk","index.html","index.html",,,,,0x2520,,0x304e,,,,,,,,0

[FILES]
style.css
HHP
  entries | cut -d'|' -f1
  (cd "$out" && ls pictures/*.png)
} >"$out/Quorvel.hhp"
