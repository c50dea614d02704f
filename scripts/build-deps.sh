#!/usr/bin/env bash
# Cross-builds libjpeg-turbo and libpng from Debian's source packages, once, into a cached prefix
# keyed by this script's content (scripts/env.sh), so only a change of this recipe rebuilds them.
# The same prefix keeps pugixml's sources (src/pugixml), the XML benchmark's peer; nothing else
# uses them, so the setup goes on without them when they cannot be fetched.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/env.sh
source "$here/env.sh"

if [ -f "$PULSEGRID_DEPS/.complete" ]; then
  exit 0
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A deb-src list derived from the machine's own sources, given to our apt calls only.
mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" > "$work/apt/parts/$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
  grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$work/apt/parts/main.list" || true
fi
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
  -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
apt-get "${apt_opts[@]}" update -qq

# The newest version whose files the mirror still serves.
fetch_source() {
  local name="$1" v
  for v in $(apt-cache "${apt_opts[@]}" showsrc "$name" | sed -n 's/^Version: //p' | sort -rV | uniq); do
    if (cd "$work/src" && apt-get "${apt_opts[@]}" source -qq "$name=$v" >/dev/null 2>&1); then
      return 0
    fi
  done
  echo "setup: could not fetch the source package $name" >&2
  return 1
}
mkdir -p "$work/src"
fetch_source libjpeg-turbo
fetch_source libpng1.6
fetch_source pugixml || true

rm -rf "$PULSEGRID_DEPS"
mkdir -p "$PULSEGRID_DEPS"
toolchain="$PULSEGRID_ROOT/cmake/mingw-w64-x86_64.cmake"
jobs="$(nproc)"

jpeg_dir="$(find "$work/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)"
cmake -S "$jpeg_dir" -B "$work/build-jpeg" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PULSEGRID_DEPS" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF >/dev/null
cmake --build "$work/build-jpeg" -j "$jobs" >/dev/null
cmake --install "$work/build-jpeg" >/dev/null

png_dir="$(find "$work/src" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)"
cmake -S "$png_dir" -B "$work/build-png" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PULSEGRID_DEPS" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include \
  -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a >/dev/null
cmake --build "$work/build-png" -j "$jobs" >/dev/null
cmake --install "$work/build-png" >/dev/null

pugi_dir="$(find "$work/src" -maxdepth 1 -type d -name 'pugixml-*' | head -n1)"
if [ -n "$pugi_dir" ] && [ -f "$pugi_dir/src/pugixml.cpp" ]; then
  mkdir -p "$PULSEGRID_DEPS/src/pugixml"
  cp "$pugi_dir/src/pugixml.cpp" "$pugi_dir/src/pugixml.hpp" "$pugi_dir/src/pugiconfig.hpp" \
    "$PULSEGRID_DEPS/src/pugixml/"
fi

touch "$PULSEGRID_DEPS/.complete"
echo "setup: libjpeg-turbo and libpng built into $PULSEGRID_DEPS"
