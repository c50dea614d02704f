#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine, on a virtual display when there is none.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${PULSEGRID_IN_XVFB:-}" ]; then
  bash "$here/setup.sh"
  export PULSEGRID_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
bash "$here/build.sh"
source "$here/env.sh"
ctest --test-dir "$PULSEGRID_BUILD" --output-on-failure -j "$(nproc)" "$@"
