#!/usr/bin/env bash
# The Windows package as players get it: the zip's exact listing, and in both programs the icon at
# Explorer's sizes, the version information and the application manifest.
# Usage: package_test.sh WIN64_ZIP MANIFEST. Exits 77 (skipped) only where the package was not built.
set -uo pipefail
zip=$1 manifest=$2
[ -f "$zip" ] || { echo "SKIPPED: no Windows package at $zip"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2 && failed=1; }

docs=fleetwick-docs/licenses/
expected=(backup/ backup/carcols/ backup/handling/ backup/vehicles/ fleetwick-cli.exe fleetwick-docs/
  fleetwick-docs/LICENSE.txt "$docs" "$docs"{LiberationSans-OFL,Qt-GPL-3.0,Qt-LGPL-3.0,Qt-source,Qt-third-party}.txt
  fleetwick-docs/readme.txt fleetwick.exe)
diff <(unzip -Z1 "$zip" | LC_ALL=C sort) <(printf '%s\n' "${expected[@]}") >&2 || fail "the zip's listing (<)"
unzip -q "$zip" fleetwick.exe fleetwick-cli.exe -d "$work" || fail "cannot unzip the programs"

for program in "fleetwick Fleetwick" "fleetwick-cli Fleetwick command line"; do
  read -r program description <<<"$program"
  exe=$work/$program.exe
  # The icon images (type 3) are counted by their sizes below.
  resources=$(wrestool -l "$exe" | grep -v -- '--type=3 ' | sed 's/ \[.*//' | paste -sd ' ')
  [ "$resources" = "--type=14 --name='IDI_ICON1' --language=1033 --type=16 --name=1 --language=1033 --type=24 --name=1 --language=1033" ] ||
    fail "$program.exe: its resources are $resources"
  wrestool -x --type=14 "$exe" -o "$work/icon.ico"
  sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.* --width=\([0-9]*\) --height=\1 .*/\1/p' | paste -sd ' ')
  [ "$sizes" = "16 24 32 48 64 128 256" ] || fail "$program.exe: the icon's sizes are \"$sizes\""
  wrestool -x --raw --type=24 "$exe" | cmp -s - "$manifest" || fail "$program.exe: its manifest is not $manifest"
  strings=$(wrestool -x --raw --type=16 "$exe" | strings -el)
  for pair in "ProductName=Fleetwick" "FileDescription=$description" "FileVersion=1.1.0.0" \
    "ProductVersion=1.1.0.0" "OriginalFilename=$program.exe" "LegalCopyright=*GPL-3.0-or-later*"; do
    actual=$(grep -A1 -x "${pair%%=*}" <<<"$strings" | sed -n 2p)
    [[ $actual == ${pair#*=} ]] || fail "$program.exe: ${pair%%=*} is \"$actual\", not \"${pair#*=}\""
  done
done
[ "$failed" -eq 0 ] && echo PASSED
exit "$failed"
