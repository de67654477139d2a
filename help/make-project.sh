#!/bin/bash
# Writes the help project (Quorvel.hhp), its table of contents (toc.hhc)
# and its index (index.hhk: every topic's title and the words users look
# for, a word of several topics with one sub-entry per topic) from
# topics.txt into OUTDIR, beside the pages.
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
  entries | while IFS='|' read -r file title _; do object "$file" "$title"; done
  echo '</UL></BODY></HTML>'
} >"$out/toc.hhc"
{
  echo '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN"><HTML><HEAD></HEAD><BODY><UL>'
  # word|file|title, one line per word and topic, sorted by word
  entries | awk -F'|' '{
      print $2 "|" $1 "|" $2
      n = split($3, words, ",")
      for (i = 1; i <= n; i++) { w = words[i]; gsub(/^ +| +$/, "", w); if (w != "") print w "|" $1 "|" $2 }
    }' | sort -f -t'|' -k1,1 -u -k2,2 | awk -F'|' '
    function flush() {
      if (count == 1) printf "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%s\"><param name=\"Local\" value=\"%s\"></OBJECT>\n", word, files[1]
      else if (count > 1) {
        printf "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%s\"><param name=\"Local\" value=\"%s\"></OBJECT>\n<UL>\n", word, files[1]
        for (i = 1; i <= count; i++) printf "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%s\"><param name=\"Local\" value=\"%s\"></OBJECT>\n", titles[i], files[i]
        print "</UL>"
      }
    }
    tolower($1) != tolower(word) { flush(); word = $1; count = 0 }
    { count++; files[count] = $2; titles[count] = $3 }
    END { flush() }'
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
