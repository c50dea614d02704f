#!/usr/bin/env bash
# Sets the machine up when needed, builds everything and makes the Wine prefix ready.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh"
source "$here/env.sh"

cmake -S "$PULSEGRID_ROOT" -B "$PULSEGRID_BUILD" \
  -DCMAKE_TOOLCHAIN_FILE="$PULSEGRID_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DPULSEGRID_DEPS="$PULSEGRID_DEPS" >/dev/null
cmake --build "$PULSEGRID_BUILD" -j "$(nproc)"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "build: creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# Without a window manager on the virtual display nobody would draw the window frames: Wine
# draws them itself, as Windows does, so that screenshots show captions and borders.
if [ ! -f "$WINEPREFIX/.frames-drawn-by-wine" ]; then
  DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.frames-drawn-by-wine"
fi
