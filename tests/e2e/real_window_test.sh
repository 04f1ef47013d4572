#!/usr/bin/env bash
# One whole replacement in the real program, on its own virtual X server, driven by real X input
# events: look up ADMIRAL, type new handling values, press the row's "ОК", check the files on disk,
# then leave through "Файл" → "Выход" and expect a clean exit.
#
# Usage: real_window_test.sh FLEETWICK_BINARY STOCK_DATA_FOLDER
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -uo pipefail

program=${1:?the fleetwick binary}
stock=${2:?the folder with the stock data files}

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed"
    exit 77
  fi
done

# Our own server only: never a display the caller happens to have.
unset DISPLAY WAYLAND_DISPLAY

# Every wait below is bounded, and so is the whole run.
readonly budget=55
started=$SECONDS
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-e2e-XXXXXX")
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null && kill -KILL "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null && kill "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# What the screen showed and what the program said: enough to see why a step went wrong.
fail() {
  echo "FAILED: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    echo "Visible windows:" >&2
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      echo "  $w $(xdotool getwindowname "$w" 2>/dev/null)" >&2
    done
  fi
  if [ -s "$work/program.log" ]; then
    echo "Program output:" >&2
    sed 's/^/  /' "$work/program.log" >&2
  fi
  exit 1
}

remaining() { echo $((budget - (SECONDS - started))); }

# Polls a condition every tenth of a second for at most $1 seconds (never past the budget).
wait_for() {
  local limit=$1
  shift
  local left
  left=$(remaining)
  [ "$left" -lt "$limit" ] && limit=$left
  local tries=$((limit * 10))
  while [ "$tries" -gt 0 ]; do
    "$@" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}

app_alive() { kill -0 "$app_pid" 2>/dev/null; }
app_gone() { ! app_alive; }

# The game folder: the three stock data files and the backup folders the program never creates.
game="$work/game"
mkdir -p "$game/common/data" "$game/backup/handling" "$game/backup/vehicles" "$game/backup/carcols"
for f in handling.dat vehicles.ide carcols.dat; do
  cp "$stock/$f" "$game/common/data/$f" || fail "cannot copy $stock/$f"
  cp "$stock/$f" "$work/$f.before"
done

# A display number of the server's own choosing, so that parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
has_display() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
wait_for 10 has_display || {
  cat "$work/xvfb.log" >&2
  fail "Xvfb did not start"
}
export DISPLAY=":$(head -n 1 "$work/display")"

# The real platform plugin, whatever the test environment asks of Qt tests.
mkdir -m 700 "$work/runtime"
(cd "$game" && exec env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$program") >"$work/program.log" 2>&1 &
app_pid=$!

find_window() {
  window=$(xdotool search --onlyvisible --name '^Fleetwick v1\.1$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
window=""
wait_for 20 find_window || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is 857 × 529 below the menu bar: the rest of the window's height is the menu bar.
[ "$WIDTH" -eq 857 ] || fail "the main window is $WIDTH pixels wide, not 857"
menu=$((HEIGHT - 529))
[ "$menu" -gt 0 ] && [ "$menu" -lt 100 ] || fail "the main window is $HEIGHT pixels high: no room for the menu bar"
# Mapped is not yet painted and ready for input.
sleep 1

# Clicks the middle of a control: its group's place plus its own place in the group, in the
# client area's pixels.
click() {
  local x=$(($1 + $3 / 2)) y=$(($2 + $4 / 2))
  xdotool mousemove --window "$window" "$x" "$((menu + y))" click 1 || fail "cannot click at $x,$y"
  sleep 0.5
  app_alive || fail "the program ended after the click at $x,$y"
}

click $((8 + 8)) $((8 + 64)) 75 25     # Button1 "ОК" in GroupBox1: the car lookup of ADMIRAL
click $((8 + 8)) $((312 + 16)) 409 21  # Edit2 in GroupBox2
xdotool type --delay 40 "1700.0 2.5 0.0" || fail "cannot type"
sleep 0.5
click $((8 + 424)) $((312 + 16)) 75 21 # Button5 "ОК" in GroupBox2: write handling.dat

data="$game/common/data"
old_line_no=$(grep -a -n -m 1 '^ADMIRAL[ 	]' "$work/handling.dat.before" | cut -d: -f1)
[ -n "$old_line_no" ] || fail "the stock handling.dat has no ADMIRAL line"
# The whole file as it must be: every other line as it was, the ADMIRAL line new, all with CR LF.
{
  head -n $((old_line_no - 1)) "$work/handling.dat.before"
  printf 'ADMIRAL 1700.0 2.5 0.0\r\n'
  tail -n +$((old_line_no + 1)) "$work/handling.dat.before"
} >"$work/handling.dat.expected"
sed -n "${old_line_no}p" "$work/handling.dat.before" >"$work/backup.expected"

written() { cmp -s "$work/handling.dat.expected" "$data/handling.dat"; }
wait_for 10 written || {
  grep -a -n '^ADMIRAL' "$data/handling.dat" | cat -A | cut -c1-120 >&2
  fail "handling.dat does not hold the new ADMIRAL line with every other line unchanged"
}

backup="$game/backup/handling/handling_ADMIRAL_1.hb"
[ -f "$backup" ] || fail "no backup $backup"
cmp -s "$work/backup.expected" "$backup" || fail "the backup does not hold the old ADMIRAL line and CR LF"
printf 'handling_ADMIRAL_1.hb\r\n' | cmp -s - "$game/backup/hblistb.txt" ||
  fail "backup/hblistb.txt does not hold just the new backup's name"
head -n 1 "$game/backup/hblist.txt" | grep -a -q '^handling_ADMIRAL_1\.hb          [^ ].*'$'\r''$' ||
  fail "backup/hblist.txt does not start with the new backup's dated line"
for f in vehicles.ide carcols.dat; do
  cmp -s "$work/$f.before" "$data/$f" || fail "$f changed, though only handling.dat was written"
done
for f in vblistb.txt vblist.txt cblistb.txt cblist.txt; do
  [ ! -e "$game/backup/$f" ] || fail "backup/$f was written, though only handling.dat was backed up"
done

# "Файл" → "Выход": the first menu of the bar, then its last item, chosen with the keyboard.
xdotool mousemove --window "$window" 16 $((menu / 2)) click 1 || fail "cannot open the menu"
sleep 0.5
xdotool key Up || fail "cannot choose in the menu"
sleep 0.3
xdotool key Return || fail "cannot press Return"

wait_for 15 app_gone || fail "the program did not end after \"Выход\""
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"

echo "PASSED in $((SECONDS - started)) s"
