#!/usr/bin/env bash
# Builds Fleetwick and starts it in a game folder: the one given, or a fresh demo folder made from
# the program's stock data files. Without a display it runs on a virtual X server, saves a
# screenshot of the main window and ends.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" xvfb xauth fonts-dejavu-core
build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFLEETWICK_TESTS=OFF >/dev/null
cmake --build "$build" --target fleetwick -j"$(nproc)"

if [ $# -ge 1 ]; then
  game=$(cd "$1" && pwd)
else
  game="$build/demo-game"
  rm -rf "$game"
  mkdir -p "$game/common/data" "$game/backup/handling" "$game/backup/vehicles" "$game/backup/carcols"
  cp "$root/data/handling.dat" "$root/data/vehicles.ide" "$root/data/carcols.dat" "$game/common/data/"
fi

cd "$game"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/app/fleetwick"
fi
shot="$build/screenshot.png"
rm -f "$shot"
FLEETWICK_SCREENSHOT="$shot" xvfb-run -a -s "-screen 0 1280x800x24" "$build/src/app/fleetwick"
[ -f "$shot" ] || { echo "No screenshot was taken" >&2; exit 1; }
echo "No display: Fleetwick ran on a virtual X server. Screenshot of the main window: $shot"
