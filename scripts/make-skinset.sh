#!/usr/bin/env bash
# Writes the embedded skin set resources/SkinSet.xml (one line, as the program reads it) from
# the reviewable resources/SkinSet.txt (one skin per line). Run it after editing the text file.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source="${1:-$here/../resources/SkinSet.txt}"
target="${2:-$here/../resources/SkinSet.xml}"
awk -F'|' '
function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t\r]+$/, "", s); return s }
function hex(s,    i, v) {
  v = 0
  for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789ABCDEF", toupper(substr(s, i, 1))) - 1
  return v
}
function escape(s) {
  gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s); gsub(/"/, "\\&quot;", s)
  return s
}
BEGIN {
  split("windowBg windowFg compFg compDisabled groupBorder text textOutLineSpecific sliderBg listHeaderBg " \
        "listHeaderFont listBg listFont listAlternate counter01 counter02", names, " ")
  count = 0
}
/^#/ || /^[ \t\r]*$/ { next }
{
  name = trim($1)
  n = split(trim($2), colors, /[ \t]+/)
  if (NF != 2 || name == "" || n != 15) { print "make-skinset: bad line " NR ": " $0 > "/dev/stderr"; bad = 1; exit 1 }
  body = body "<ThinWindow_" count " name=\"" escape(name) "\">"
  for (i = 1; i <= 15; i++) {
    c = colors[i]
    if (c !~ /^#[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$/) {
      print "make-skinset: bad colour on line " NR ": " c > "/dev/stderr"; bad = 1; exit 1
    }
    body = body "<" names[i] " R=\"" hex(substr(c, 2, 2)) "\" G=\"" hex(substr(c, 4, 2)) "\" B=\"" hex(substr(c, 6, 2)) "\"></" names[i] ">"
  }
  body = body "</ThinWindow_" count ">"
  count++
}
END {
  if (bad) exit 1
  printf "<SkinSetXml><SkinSet><ThinWindow numOfSkins=\"%d\"></ThinWindow>%s</SkinSet></SkinSetXml>", count, body
}' "$source" > "$target.tmp"
mv "$target.tmp" "$target"
