#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine. Programs that show windows run side by side,
# each on a display slot of its own: a virtual display and a Wine prefix.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/env.sh"
bash "$here/build.sh"

# The slots ctest hands out, as the build's resource file lists them.
slots="$(grep -o '"id"' "$PULSEGRID_BUILD/test-display-slots.json" | wc -l)"
servers=()
stop_slots() {
  for ((k = 0; k < slots; k++)); do
    WINEPREFIX="$(slot_prefix "$k")" wineserver -k 2>/dev/null || true
  done
  for pid in "${servers[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
}
trap stop_slots EXIT
for ((k = 0; k < slots; k++)); do
  prefix="$(slot_prefix "$k")"
  # A copy is made anew whenever the project's prefix has gained a setting since.
  if [ "$k" != 0 ]; then
    for mark in "$WINEPREFIX"/.[a-z]*; do
      if [ ! -e "$prefix/$(basename "$mark")" ]; then
        rm -rf "$prefix"
        cp -a "$WINEPREFIX" "$prefix"
        break
      fi
    done
  fi
  # The server picks a free display number and writes it down once it listens.
  numbers="$PULSEGRID_BUILD/.display-slot$k"
  : >"$numbers"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
  servers+=("$!")
  for ((wait = 0; wait < 300; wait++)); do
    number="$(head -n 1 "$numbers")"
    [ -n "$number" ] && break
    sleep 0.1
  done
  if [ -z "$number" ]; then
    echo "test: the virtual display of slot $k did not start" >&2
    exit 1
  fi
  export "PULSEGRID_DISPLAY_$k=:$number"
  # Wine's services start with the first program of a prefix and inherit its output: started here
  # with a server that stays, they keep no test's output open, and ctest sees each program end
  # when it does.
  WINEPREFIX="$prefix" wineserver -p
  DISPLAY=":$number" WINEPREFIX="$prefix" wine cmd /c exit >/dev/null 2>&1 </dev/null || true
done
export DISPLAY="$PULSEGRID_DISPLAY_0"
ctest --test-dir "$PULSEGRID_BUILD" --output-on-failure -j "$(nproc)" "$@"
