#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows (mingw-w64) from Debian's own qt6-base source, of the same
# version as the host tools (moc, rcc, uic) that Debian installs, and prints its prefix. The build is
# kept in a cache folder outside the work tree, keyed by the Qt version and the configure options,
# so that a machine builds it once.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" qt6-base-dev-tools g++-mingw-w64-x86-64-posix dpkg-dev ninja-build

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
# Only what Fleetwick needs: Core, Gui, Widgets and the Windows platform plugin. Fleetwick carries its
# own Windows-1251 table, so no ICU. Debian's source drops the tablet library that the Windows plugin
# includes (tabletevent off); Direct2D stays on, since the plugin's DirectWrite font database needs it.
options=(
  -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_icu=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_direct2d=ON -DFEATURE_system_zlib=OFF -DFEATURE_zstd=OFF -DFEATURE_png=ON
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF
)
key=$(printf '%s\n' "$version" "${options[@]}" "$(x86_64-w64-mingw32-g++-posix -dumpversion)" | sha256sum | cut -c1-12)
cache=${FLEETWICK_CACHE:-/var/cache/fleetwick}
prefix="$cache/qt-$version-win64-$key"
# The cross toolchain lives beside the Qt built with it: Qt's own toolchain file (bin/qt-cmake) loads
# it for every program built against this Qt.
toolchain="$prefix/share/fleetwick/mingw-w64.cmake"
write_toolchain() {
  mkdir -p "$(dirname "$toolchain")"
  cat >"$toolchain" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}
# Debian's qt6-base source in $work, as $src. apt-get source needs a deb-src entry for the archive
# this machine already uses.
work="$cache/work-$key"
fetch_source() {
  if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/fleetwick-deb-src.sources >/dev/null
    fi
    if [ -f /etc/apt/sources.list ]; then
      { grep -E '^deb ' /etc/apt/sources.list || true; } | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/fleetwick-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
  fi
  rm -rf "$work"
  mkdir -p "$work"
  (cd "$work" && apt-get source -qq "qt6-base=$version" >&2)
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
  [ -n "$src" ] || { echo "No qt6-base source in $work" >&2; exit 1; }
}

# The licence texts and the source's origin travel with every program linked against this Qt, and
# so do the notices of the libraries Qt carries inside it (FreeType, HarfBuzz, PCRE2, libpng, zlib
# and smaller ones): each one's attribution and licence files, skipping parts this build leaves out.
write_notices() {
  local share="$prefix/share/fleetwick"
  mkdir -p "$share"
  cp "$src"/LICENSES/LGPL-3.0-only.txt "$src"/LICENSES/GPL-3.0-only.txt "$share/"
  { echo "Qt is Debian's source package qt6-base $version (apt-get source qt6-base=$version),"
    echo "built for Windows with mingw-w64 by Fleetwick's scripts/windows-qt.sh with these options:"
    printf '  %s\n' "${options[@]}"; } >"$share/qt-source.txt"
  local not_built='3rdparty/(xcb|dbus-ifaces|android|wasm|gradle|libjpeg|libpsl|pixman|VulkanMemoryAllocator|forkfd)'
  not_built+='|/(network|sql|dbus|opengl|vulkan|tools|testlib|concurrent|xml|printsupport|android|ios|wasm|cocoa|xcb)/'
  find "$src/src" -name qt_attribution.json | grep -v -E "$not_built" | sort | while read -r json; do
    local dir notices
    dir=$(dirname "$json")
    notices="$share/third-party/$(echo "${dir#"$src/src/"}" | tr / -)"
    mkdir -p "$notices" && cp "$json" "$notices/"
    sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$json" | while read -r f; do cp "$dir/$f" "$notices/"; done
  done
}

# Two runs at once (two checkouts on one machine) would build in one work folder and wipe each
# other's: the second waits for the first and then finds its Qt.
mkdir -p "$cache"
exec 9>"$cache/.lock-$key"
flock 9

if [ -f "$prefix/.complete" ]; then
  [ -f "$toolchain" ] || write_toolchain
  # A Qt cached by an earlier version of this script lacks the third-party notices.
  if [ ! -d "$prefix/share/fleetwick/third-party" ]; then
    fetch_source
    write_notices
    rm -rf "$work"
  fi
  echo "$prefix"
  exit 0
fi

fetch_source
write_toolchain

started=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
  { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
  { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 40 "$work/install.log" >&2; exit 1; }
write_notices
echo "Qt $version for Windows built in $(($(date +%s) - started)) s" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
