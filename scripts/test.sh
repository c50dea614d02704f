#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine, on a virtual display when there is none.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/env.sh"
ensure_display "$0" "$@"
bash "$here/build.sh"
ctest --test-dir "$PULSEGRID_BUILD" --output-on-failure -j "$(nproc)" "$@"
