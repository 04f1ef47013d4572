#!/usr/bin/env bash
# The Windows package as players get it: the zip's exact listing, and in both programs the icon at
# Explorer's sizes, the version information and the application manifest.
# Usage: package_test.sh WIN64_ZIP. Exits 77 (skipped) only where the package was not built.
set -uo pipefail
zip=$1
[ -f "$zip" ] || { echo "SKIPPED: no Windows package at $zip"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2 && failed=1; }

diff <(unzip -Z1 "$zip" | LC_ALL=C sort) - >&2 <<'EOF' || fail "the zip's listing (<) is not the expected one (>)"
backup/
backup/carcols/
backup/handling/
backup/vehicles/
fleetwick-cli.exe
fleetwick-docs/
fleetwick-docs/LICENSE.txt
fleetwick-docs/licenses/
fleetwick-docs/licenses/LiberationSans-OFL.txt
fleetwick-docs/licenses/Qt-GPL-3.0.txt
fleetwick-docs/licenses/Qt-LGPL-3.0.txt
fleetwick-docs/licenses/Qt-source.txt
fleetwick-docs/licenses/Qt-third-party.txt
fleetwick-docs/readme.txt
fleetwick.exe
EOF
unzip -q "$zip" fleetwick.exe fleetwick-cli.exe -d "$work" || fail "cannot unzip the programs"

for program in "fleetwick Fleetwick" "fleetwick-cli Fleetwick command line"; do
  read -r program description <<<"$program"
  exe=$work/$program.exe
  # The icon images (type 3) are counted by their sizes below.
  diff <(wrestool -l "$exe" | grep -v -- '--type=3 ' | sed 's/ \[.*//') - >&2 <<'EOF' ||
--type=14 --name='IDI_ICON1' --language=1033
--type=16 --name=1 --language=1033
--type=24 --name=1 --language=1033
EOF
    fail "$program.exe: its resources (<) are not the expected ones (>)"
  wrestool -x --type=14 "$exe" -o "$work/icon.ico"
  sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.* --width=\([0-9]*\) --height=\1 .*/\1/p' | paste -sd ' ')
  [ "$sizes" = "16 24 32 48 64 128 256" ] || fail "$program.exe: the icon's sizes are \"$sizes\""
  manifest=$(wrestool -x --raw --type=24 "$exe")
  for entry in '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' '>true/pm</dpiAware>' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' '>PerMonitorV2</dpiAwareness>' \
    '>true</longPathAware>'; do
    grep -qF "$entry" <<<"$manifest" || fail "$program.exe: its manifest lacks $entry"
  done
  grep -q '<activeCodePage' <<<"$manifest" && fail "$program.exe: its manifest sets a code page"
  strings=$(wrestool -x --raw --type=16 "$exe" | strings -el)
  while read -r key value; do
    actual=$(grep -A1 -x "$key" <<<"$strings" | sed -n 2p)
    [[ $actual == $value ]] || fail "$program.exe: $key is \"$actual\", not \"$value\""
  done <<EOF
ProductName Fleetwick
FileDescription $description
FileVersion 1.1.0.0
ProductVersion 1.1.0.0
OriginalFilename $program.exe
LegalCopyright *GPL-3.0-or-later*
EOF
done
[ "$failed" -eq 0 ] && echo PASSED
exit "$failed"
