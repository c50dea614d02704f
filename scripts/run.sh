#!/usr/bin/env bash
# Sets up, builds and starts the gadget under Wine, on the user's display or a virtual one.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/env.sh"
ensure_display "$0" "$@"
bash "$here/build.sh"
exec wine "$PULSEGRID_BUILD/pulsegrid.exe" "$@"
