# Shared settings of the project's scripts; sourced, not run.
PULSEGRID_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PULSEGRID_BUILD="${PULSEGRID_BUILD:-$PULSEGRID_ROOT/build}"
# The cross-built libraries depend on their recipe and the toolchain only, not on the package list.
deps_key="$(cat "$PULSEGRID_ROOT/scripts/build-deps.sh" "$PULSEGRID_ROOT/cmake/mingw-w64-x86_64.cmake" | sha1sum | cut -c1-12)"
PULSEGRID_DEPS="${PULSEGRID_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/pulsegrid/deps-$deps_key}"
export PULSEGRID_ROOT PULSEGRID_BUILD PULSEGRID_DEPS
# Wine: a prefix of our own under the build folder; no Mono or Gecko installer may ever ask.
export WINEPREFIX="$PULSEGRID_BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The Wine prefix of a test display slot: the first is the project's own, the others copies of it,
# each with a Wine server of its own, so that windows on one display never take the activation
# from windows on another.
slot_prefix() {
  if [ "$1" = 0 ]; then
    echo "$WINEPREFIX"
  else
    echo "$WINEPREFIX-slot$1"
  fi
}

# Re-runs the calling script on a virtual X display when there is no display.
ensure_display() {
  if [ -z "${DISPLAY:-}" ] && [ -z "${PULSEGRID_IN_XVFB:-}" ]; then
    bash "$PULSEGRID_ROOT/scripts/setup.sh"
    export PULSEGRID_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$@"
  fi
}
