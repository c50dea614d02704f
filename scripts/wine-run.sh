#!/usr/bin/env bash
# Runs a Windows program under the project's own Wine prefix. A program that shows windows gets a
# display slot from ctest: the slot's own virtual display and Wine prefix when scripts/test.sh has
# started them, or else the one display, taken in turn.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/env.sh"
slot="${CTEST_RESOURCE_GROUP_0_DISPLAY:-}"
run=(wine "$@")
if [ -n "$slot" ]; then
  slot="${slot#id:}"
  slot="${slot%%,*}"
  display_var="PULSEGRID_DISPLAY_$slot"
  if [ -n "${!display_var:-}" ]; then
    export DISPLAY="${!display_var}"
    export WINEPREFIX
    WINEPREFIX="$(slot_prefix "$slot")"
  else
    run=(flock "$PULSEGRID_BUILD/.display.lock" wine "$@")
  fi
fi
# The output goes through a file: a Wine service or desktop the program starts inherits it and may
# outlive the program, and a pipe it held open would make the program seem to run until it ends.
output="$(mktemp "${TMPDIR:-/tmp}/pulsegrid-test.XXXXXX")"
"${run[@]}" >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"
