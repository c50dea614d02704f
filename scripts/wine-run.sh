#!/usr/bin/env bash
# Runs a Windows program under the project's own Wine prefix.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/env.sh"
exec wine "$@"
