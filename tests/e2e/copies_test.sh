#!/usr/bin/env bash
# Eight copies of fleetwick-cli change one game folder at once, as install scripts run side by side:
# each change is in handling.dat once, each backup once in each list.
# Usage: copies_test.sh STOCK_DATA_FOLDER FLEETWICK_CLI [ARGUMENT...], the command line that starts
# fleetwick-cli (under Wine: wine64 and the .exe).
set -uo pipefail
stock=$1
shift
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-copies-XXXXXX")
trap 'rm -rf "$work"' EXIT
game=$work/игра
mkdir -p "$game/common/data" "$game/backup/"{handling,vehicles,carcols} &&
  cp "$stock/handling.dat" "$stock/vehicles.ide" "$stock/carcols.dat" "$game/common/data/" || exit 1
vehicles=(ADMIRAL BANSHEE BENSON BIFF BLISTA BOBCAT COMET INFERNUS) scripts=() failed=0
for v in "${vehicles[@]}"; do
  (cd "$game" && "$@" replace "$v" --force --handling "7 $v") >"$work/$v.log" 2>&1 &
  scripts+=($!)
done
wait "${scripts[@]}"
for v in "${vehicles[@]}"; do
  for file in common/data/handling.dat backup/hblistb.txt backup/hblist.txt; do
    start="handling_${v}_" && [ $file = common/data/handling.dat ] && start="$v 7 $v"$'\r'
    [ "$(grep -c "^$start" "$game/$file")" -eq 1 ] || { echo "FAILED: $v in $file: $(cat "$work/$v.log")" >&2; failed=1; }
  done
done
[ "$failed" -eq 0 ] && echo PASSED
exit "$failed"
