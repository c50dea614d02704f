#!/usr/bin/env bash
# The layer check on small trees under the project's own layer list: each row is one file with one
# include, and whether the check must refuse it.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# <file> <include line> <pass|fail>
rows=(
  'core/str/Text.cpp|#include "storage/file/Path.h"|fail'
  'core/str/Text.cpp|#include "measurement/codepage/CodePage.h"|fail'
  'core/str/Text.cpp|#include "core/col/Array.h"|pass'
  'core/str/Text.cpp|#include <windows.h>|pass'
  'core/str/Text.cpp|// #include "app/App.h"|pass'
  'core/str/Text.cpp|  #  include <storage/file/Path.h>|fail'
  'measurement/win/OsVersion.cpp|#include "core/thread/ObjLocker.h"|pass'
  'measurement/win/OsVersion.cpp|#include "measurement/counter/Counter.h"|fail'
  'measurement/counter/Counter.cpp|#include "measurement/win/DllLocater.h"|pass'
  'measurement/counter/Counter.cpp|#include "storage/reg/RegDir.h"|pass'
  'storage/lang/Localizer.cpp|#include "windowing/events/IEventListener.h"|fail'
  'storage/reg/SidText.cpp|#include "mfc/AppMessageBox.h"|fail'
  'windowing/paint/Font.cpp|#include "windowing/Window.h"|fail'
  'windowing/paint/Font.cpp|#include "images/Image.h"|pass'
  'windowing/Window.cpp|#include "windowing/paint/Font.h"|pass'
  'windowing/Window.cpp|#include "skins/Skin.h"|pass'
  'skins/Skin.cpp|#include "windowing/Window.h"|fail'
  'images/Image.cpp|#include "images/settings/ImageSettings.h"|fail'
  'images/settings/ImageSettings.cpp|#include "lists/List.h"|pass'
  'images/settings/ImageSettings.cpp|#include "app/App.h"|fail'
  'storage/xml/Node.cpp|#include "../../app/App.h"|fail'
  'storage/xml/Node.cpp|#include "Node.h"|pass'
)

failures=0
n=0
for row in "${rows[@]}"; do
  IFS='|' read -r file line want <<<"$row"
  n=$((n + 1))
  tree="$work/$n"
  mkdir -p "$tree/cmake" "$tree/$(dirname "$file")"
  cp "$root/cmake/layers.txt" "$tree/cmake/layers.txt"
  printf '#pragma once\n\n%s\n' "$line" >"$tree/$file"
  output="$(bash "$root/scripts/check-layers.sh" "$tree" 2>&1)"
  status=$?
  if [ "$want" = pass ] && [ $status -ne 0 ]; then
    echo "FAILED: $file with '$line' was refused:"; echo "$output"; failures=$((failures + 1))
  elif [ "$want" = fail ]; then
    if [ $status -ne 1 ]; then
      echo "FAILED: $file with '$line' passed (exit $status)"; failures=$((failures + 1))
    elif ! grep -qF "$file:3: " <<<"$output" || ! grep -qF "${line#"${line%%[! ]*}"}" <<<"$output"; then
      echo "FAILED: the refusal of $file does not name file, line and include:"; echo "$output"
      failures=$((failures + 1))
    fi
  fi
done

# Several faults in one tree are all named, and a tree without layer folders passes.
tree="$work/many"
mkdir -p "$tree/cmake" "$tree/core" "$tree/storage"
cp "$root/cmake/layers.txt" "$tree/cmake/layers.txt"
printf '#include "storage/A.h"\n#include "mfc/Wnd.h"\n' >"$tree/core/A.cpp"
printf '#include "app/App.h"\n' >"$tree/storage/A.h"
output="$(bash "$root/scripts/check-layers.sh" "$tree" 2>&1)"
if [ $? -ne 1 ] || [ "$(grep -c 'of the higher layer' <<<"$output")" -ne 3 ]; then
  echo "FAILED: three faults in one tree were not all named:"; echo "$output"; failures=$((failures + 1))
fi
mkdir -p "$work/empty/cmake"
cp "$root/cmake/layers.txt" "$work/empty/cmake/layers.txt"
if ! bash "$root/scripts/check-layers.sh" "$work/empty" >/dev/null 2>&1; then
  echo "FAILED: a tree without sources was refused"; failures=$((failures + 1))
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) of the layer check failed"
  exit 1
fi
echo "The layer check refuses every include of a higher layer and passes the others."
