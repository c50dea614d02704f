#!/usr/bin/env bash
# Fails when the code of a layer includes a file of a higher layer. The layers and their order
# are those of cmake/layers.txt, which the build reads too. Checks the tree given (default: this
# checkout) against its own cmake/layers.txt.
set -euo pipefail
root="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
layers="$root/cmake/layers.txt"
if [ ! -f "$layers" ]; then
  echo "check-layers: no layer list at $layers" >&2
  exit 2
fi
cd "$root"

# Every source file of every layer folder, named from the root.
folders=$(awk '!/^[ \t]*#/ && NF >= 2 { for (i = 2; i <= NF; i++) print $i }' "$layers")
files=()
for folder in $folders; do
  [ -d "$folder" ] || continue
  while IFS= read -r f; do files+=("${f#./}"); done < <(find "./$folder" -type f \
    \( -name '*.cpp' -o -name '*.c' -o -name '*.h' -o -name '*.hpp' -o -name '*.inl' -o -name '*.rc' \) | sort)
done
[ ${#files[@]} -gt 0 ] || exit 0
mapfile -t files < <(printf '%s\n' "${files[@]}" | sort -u)

# Each include line as file:line:text; the first list read is the layer list.
{ grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "${files[@]}" || true; } | awk -v list="cmake/layers.txt" '
BEGIN {
  while ((getline line < list) > 0) {
    if (line ~ /^[ \t]*#/) continue
    count = split(line, field, /[ \t]+/)
    first = field[1] == "" ? 2 : 1
    if (count < first + 1) continue
    ++layers
    name[layers] = field[first]
    for (i = first + 1; i <= count; i++) if (field[i] != "") {
      if (field[i] in rankOf) {
        print "check-layers: the folder " field[i] " is listed twice in " list > "/dev/stderr"
        bad = 1
      }
      folders[++n] = field[i]
      rankOf[field[i]] = layers
    }
  }
  close(list)
}
# The layer of a path: that of the longest layer folder it lies in; 0 outside every layer.
function layerOf(path,   i, best, length_) {
  best = 0; length_ = 0
  for (i = 1; i <= n; i++)
    if (index(path, folders[i] "/") == 1 && length(folders[i]) > length_) {
      best = rankOf[folders[i]]; length_ = length(folders[i])
    }
  return best
}
# Drops "." and resolves ".." parts.
function normal(path,   part, count, i, kept, k, out) {
  count = split(path, part, "/"); k = 0
  for (i = 1; i <= count; i++) {
    if (part[i] == "" || part[i] == ".") continue
    if (part[i] == "..") { if (k > 0) k--; continue }
    kept[++k] = part[i]
  }
  out = ""
  for (i = 1; i <= k; i++) out = out (i > 1 ? "/" : "") kept[i]
  return out
}
function exists(path,   probe, result) {
  result = (getline probe < path) >= 0
  close(path)
  return result
}
{
  colon = index($0, ":"); file = substr($0, 1, colon - 1); rest = substr($0, colon + 1)
  colon = index(rest, ":"); lineNo = substr(rest, 1, colon - 1); text = substr(rest, colon + 1)
  sub(/^[ \t]+/, "", text); sub(/[ \t\r]+$/, "", text)
  if (!match(text, /[<"][^<>"]+[>"]/)) next
  included = substr(text, RSTART + 1, RLENGTH - 2)
  # A quoted name is looked for beside the including file first, as the compiler does.
  target = normal(included)
  if (substr(text, RSTART, 1) == "\"") {
    dir = file; sub(/\/[^\/]*$/, "", dir)
    if (exists(dir "/" included)) target = normal(dir "/" included)
  }
  from = layerOf(file); to = layerOf(target)
  if (from > 0 && to > from) {
    printf "%s:%s: the layer %s includes %s of the higher layer %s: %s\n", file, lineNo, name[from], target, name[to], text
    violations++
  }
}
END {
  if (violations) {
    printf "check-layers: %d include(s) reach a higher layer; a layer may use only itself and the layers before it in %s\n", violations, list
    exit 1
  }
  exit bad
}'
