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
# The dialog font and the faces Wine takes in its place reach the script fonts that the setup
# installs through font links, as Windows' own fonts reach theirs: the language pack's Arabic,
# Chinese, Japanese and Korean texts show as letters, not as boxes.
if [ ! -f "$WINEPREFIX/.script-fonts-linked" ]; then
  links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in Tahoma "Microsoft Sans Serif" "Segoe UI"; do
    DISPLAY= wine reg add "$links" /v "$face" /t REG_MULTI_SZ \
      /d 'DejaVuSans.ttf,DejaVu Sans\0wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  # Without Wine's own Tahoma the first linked face stands in for it and needs the rest.
  DISPLAY= wine reg add "$links" /v "DejaVu Sans" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
    >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.script-fonts-linked"
fi
# Without a window manager on the virtual display nobody would draw the window frames: Wine
# draws them itself, as Windows does, so that screenshots show captions and borders.
if [ ! -f "$WINEPREFIX/.frames-drawn-by-wine" ]; then
  DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.frames-drawn-by-wine"
fi
# The gadget asks a web page for the machine's global address. Tests may talk to this machine
# only: the prefix sends every web request through a proxy on 127.0.0.1 where nothing listens, so
# a lookup the gadget starts in a test fails at once and is never sent anywhere else.
if [ ! -f "$WINEPREFIX/.web-requests-stay-local" ]; then
  settings='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
  DISPLAY= wine reg add "$settings" /v ProxyEnable /t REG_DWORD /d 1 /f >/dev/null 2>&1
  DISPLAY= wine reg add "$settings" /v ProxyServer /d '127.0.0.1:9' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.web-requests-stay-local"
fi
# Wine's own fonts (Tahoma, Marlett for the caption buttons...) come with the setup's fonts-wine,
# which this Wine does not look for by itself: the prefix's font folder gets them, or every native
# frame would show the letters "0 1 r" in place of its caption buttons' glyphs.
if [ ! -f "$WINEPREFIX/.wine-fonts-installed" ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.wine-fonts-installed"
fi
# A test program that crashes must fail at once, not wait behind Wine's crash dialog until the
# test's time-out. No debugger is started on a crash: Wine's own debugger would show the dialog
# or, without it, end the program at times with exit code 0, a crash passing as success. Wine
# writes the fault and its address to the program's error output, and the program ends with the
# fault as its exit code.
if [ ! -f "$WINEPREFIX/.crashes-end-the-program" ]; then
  DISPLAY= wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
    /d 'no-debugger %ld %ld' /f >/dev/null 2>&1
  DISPLAY= wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.crashes-end-the-program"
fi
