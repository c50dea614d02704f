#!/usr/bin/env bash
# Makes a Debian 12 machine ready to build Pulsegrid for Windows and run it under Wine.
# Idempotent: each step is skipped when its result is already there.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/env.sh
source "$here/env.sh"

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth cmake make libz-mingw-w64-dev googletest dpkg-dev xz-utils
  # Wine's own fonts (Tahoma, Marlett for the caption buttons...), a recommendation the install skips.
  fonts-wine
)
# Fonts with the Greek, Cyrillic and Arabic letters and the Chinese, Japanese and Korean characters
# of the language pack; Wine reads them from the system's font folders (linked in scripts/build.sh).
packages+=(fonts-dejavu-core fonts-wqy-microhei)
# The language pack's tables are checked against the embedded document by a Python script.
packages+=(python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Other installs on the machine are waited for, not failed on.
  apt-get -o DPkg::Lock::Timeout=300 update -qq
  apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

bash "$here/build-deps.sh"

