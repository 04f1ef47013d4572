#!/usr/bin/env bash
# Fleetwick installed and packaged as Linux programs are, from this build folder: the install's exact
# listing, the menu entry, AppStream metadata and manual pages through their own validators, both
# installed programs' --version (the window's without a display), every icon decoded, then the .deb
# that CPack makes: its files, its control fields, its fleetwick-cli run unpacked on a demo game, lintian.
# Usage: linux_package_test.sh BUILD STOCK_DATA_FOLDER IMAGE_SIZE. Exits 77 (skipped) where a validator is missing.
set -uo pipefail
build=$1 stock=$2 image_size=$3
for tool in desktop-file-validate appstreamcli man dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-linux-XXXXXX") && trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2 && failed=1; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
root=$work/root/usr id=test.fw.fleetwick
expected=(bin/fleetwick bin/fleetwick-cli "share/applications/$id.desktop" share/doc/fleetwick/{LICENSE,README.md,copyright}
  share/icons/hicolor/{128x128,16x16,24x24,256x256,32x32,48x48,64x64}/apps/$id.png "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/fleetwick{-cli,}.1 "share/metainfo/$id.metainfo.xml")
diff <(cd "$root" && find . ! -type d | cut -c3- | LC_ALL=C sort) <(printf '%s\n' "${expected[@]}") >&2 || fail "the install's listing (<)"
out=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1)
grep -v -e ': hint: ' -e '^$' <<<"$out" >&2 && fail "the desktop entry"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/log" || fail "metainfo: $(cat "$work/log")"
for page in "$root"/share/man/man1/*; do [ -z "$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)" ] || fail "$page warns"; done
for program in fleetwick fleetwick-cli; do
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/$program" --version)" = "fleetwick 1.1" ] || fail "$program --version"
done
env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/fleetwick" --help | grep -q -- '--menu \[GAME_FOLDER\]' || fail "--help"
for icon in "$root"/share/icons/hicolor/*/apps/*; do
  size=$(basename "$(dirname "$(dirname "$icon")")") && [ "$size" = scalable ] && size=256x256
  [ "$("$image_size" "$icon" 2>/dev/null)" = "$size" ] || fail "$icon does not decode as $size"
done

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/log" 2>&1 || fail "cpack: $(cat "$work/log")"
deb=$(ls "$work/deb/fleetwick_1.1_$(dpkg --print-architecture).deb") || exit 1
diff <(dpkg-deb -c "$deb" | awk '!/^d/ {print substr($6, 7)}' | LC_ALL=C sort) <(printf '%s\n' "${expected[@]}" \
  share/doc/fleetwick/changelog.gz | sed 's|^bin/|games/|; s|\.1$|.1.gz|' | LC_ALL=C sort) >&2 || fail "the package's listing (<)"
for field in Package=fleetwick Version=1.1 Section=games "Maintainer=The Fleetwick authors <fw@fw.test>" "Depends=*libqt6widgets6 (>= *"; do
  [[ $(dpkg-deb -f "$deb" "${field%%=*}") == ${field#*=} ]] || fail "${field%%=*} is \"$(dpkg-deb -f "$deb" "${field%%=*}")\""
done
dpkg -x "$deb" "$work/unpacked" && mkdir -p "$work/game/common/data" && cp "$stock"/{handling.dat,vehicles.ide,carcols.dat} "$work/game/common/data/"
found=$("$work/unpacked/usr/games/fleetwick-cli" -C "$work/game" show BANSHEE | cut -d: -f1,2 | paste -sd ' ')
[ "$found" = "handling.dat:230 vehicles.ide:26 carcols.dat:190" ] || fail "the unpacked fleetwick-cli found \"$found\""
if command -v lintian >/dev/null; then lintian --fail-on error "$deb" 2>/dev/null >&2 || fail lintian; else echo "no lintian: not run"; fi
[ "$failed" -eq 0 ] && echo PASSED
exit "$failed"
