#!/usr/bin/env bash
# Builds the Debian package dist/fleetwick_VERSION_ARCH.deb with CPack from the install rules, in
# Release and with Debian's own hardening flags, in a build folder of its own, and runs lintian on it.
# Nothing is installed into this machine's system.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" dpkg-dev file lintian
build="$root/build-debian"
# A build folder keeps the flags it was first configured with: start afresh.
rm -rf "$build"
DEB_BUILD_MAINT_OPTIONS=hardening=+all CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFLEETWICK_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$root/dist"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >"$build/cpack.log" || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(find "$build/package" -maxdepth 1 -name 'fleetwick_*.deb')
cp "$deb" "$root/dist/"
deb="$root/dist/$(basename "$deb")"
# lintian refuses nothing by itself: its errors end the script, its warnings are listed in README.md.
lintian --fail-on error "$deb"
echo "$deb ($(du -k "$deb" | cut -f1) KiB)"
