#!/usr/bin/env bash
# The real program in a real X window on its own virtual X server, driven by X input events, as a
# player would use it, in a game folder with a Cyrillic name: look up ADMIRAL, type new handling
# values and press the row's "ОК"; paste a mod's read-me into "Установка мода" and press "Записать
# всё"; save the paths in the settings window; "Запустить Velmora" with the game in a folder whose
# name has blanks; "Файл" → "Выход". The game folder it leaves, and its log read through the
# clipboard, must be byte for byte what the same system's fleetwick-cli makes of the same
# replacement and install, time stamps in the same form. Given the Windows package too, the same
# steps run on its programs under Wine, in a game folder that the whole package was unpacked into,
# and eight copies of its fleetwick-cli.exe then change one game folder at once (copies_test.sh,
# which ctest runs on the Linux build by itself).
#
# Usage: real_window_test.sh STOCK_DATA_FOLDER SCREENSHOT_FOLDER FLEETWICK FLEETWICK_CLI [WIN64_ZIP]
# Exits 77 (skipped) only when Xvfb or xdotool, or for the package wine64 or the package itself
# (scripts/package-windows.sh builds it), is missing.
set -uo pipefail
stock=$1 shots=$2 linux=$3 cli=$4 zip=${5:-}
[ -z "$zip" ] || [ -f "$zip" ] || { echo "SKIPPED: no Windows package at $zip"; exit 77; }

wine=$(command -v wine64 || command -v /usr/lib/wine/wine64)
for tool in Xvfb xdotool ${zip:+wine64}; do
  [ "$tool" = wine64 ] && [ -n "$wine" ] && continue
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
unset DISPLAY WAYLAND_DISPLAY # our own server only, never the caller's
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
work=$(mktemp -d "${TMPDIR:-/tmp}/fleetwick-e2e-XXXXXX")
mkdir -p "$shots" && mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR=$work/runtime
xvfb_pid="" app_pid="" out=""
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
  [ -n "$zip" ] && timeout 20 "$(dirname "$(readlink -f "$wine")")/wineserver" -w
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAILED ($out): $*" >&2
  [ -s "$out/program.log" ] && sed 's/^/  program: /' "$out/program.log" >&2
  exit 1
}
# Polls a condition every tenth of a second for at most $1 seconds.
wait_for() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
app_gone() { ! kill -0 "$app_pid" 2>/dev/null; }
find_window() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ]; }
# Clicks the middle of a control of $window: its container's place plus its own, $top pixels down.
click() {
  xdotool mousemove --window "$window" $(($1 + $3 / 2)) $((top + $2 + $4 / 2)) click 1 && sleep 0.5 ||
    fail "cannot click at $1,$2"
  app_gone && fail "the program ended after the click at $1,$2"
}
type_text() { xdotool type --delay 40 "$1" && sleep 0.5 || fail "cannot type $1"; }
keys() { for k in "$@"; do xdotool key "$k" && sleep 0.4 || fail "cannot press $k"; done; }
# The first menu of the main window's bar opened, then keys.
menu() {
  click 380 16 2 2 # an empty spot first: under Wine only an active window's menu takes keys
  local top=0
  click 4 0 24 "$menu"
  keys "$@"
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
has_display() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
wait_for 10 has_display || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

# A game folder $1 with the stock data files.
make_game() {
  mkdir -p "$1/common/data" &&
    cp "$stock/handling.dat" "$stock/vehicles.ide" "$stock/carcols.dat" "$1/common/data/" || fail "no stock data"
}
# The empty backup folders that the window needs and never creates (the Windows package brings them).
make_backup() { mkdir -p "$1/backup/"{handling,vehicles,carcols}; }
# The dated list with each digit of its time stamps as 9: the form of the stamps, not their second.
undate() { perl -i -pe 's/^(\S+ {10})(.*)/$1 . ($2 =~ tr{0-9}{9}r)/e' "$1"/backup/{hb,vb,cb}list.txt; }
# A mod written for another slot, between prose with numbers of its own.
readme=$work/readme.txt
handling="1500.0 3.1 85 -0.01 -0.10 -0.17 0.0 5 0.20 1.4 165.2 0.99 0.49 0.84 30.0 1.54 1.08 19.2 0.12 0.49 3.11"
handling+=" 1.37 1.47 0.12 -0.13 0.01 0.52 0.11 0.64 0.84 0.92 1.35 0.31 36000 200010 21000"
printf '%s\n' "Мод ADMIRAL2, версия 1.3 (4 МБ)" "1. Замените модели через Crateview." "  ADMIRAL2  $handling" \
  "admiral2, admiral2, car, ADMIRAL2, ADMIRAL2, STD, null, 100, 999, 0.3098, 0.3098, -1, 2.0, 1, 0" \
  "admiral2, 1,1, 2,2" >"$readme"
# What fleetwick-cli ("$@", run in the folder) makes of the window's replacement and install, in $expected;
# in Russian, in a folder of its own, it reports each write in the log's words (then how to undo it).
expect() {
  expected=$out/expected
  make_game "$expected" && make_backup "$expected" && make_game "$out/russian" && make_backup "$out/russian"
  (cd "$expected" && "$@" replace ADMIRAL --force --handling "1700.0 2.5 0.0" && "$@" install ADMIRAL - <"$readme") \
    >/dev/null || fail "fleetwick-cli cannot make the expected folder"
  (cd "$out/russian" && LC_ALL=ru_RU.UTF-8 "$@" replace ADMIRAL --force --handling "1700.0 2.5 0.0" &&
    LC_ALL=ru_RU.UTF-8 "$@" install ADMIRAL - <"$readme") | tr -d '\r' | grep '\.\.\.$' >"$out/expected.log" ||
    fail "fleetwick-cli cannot make the expected log"
  undate "$expected"
}

# Runs every step with the program that "$@" starts in the game folder $game, whose game is
# $game_path ($game/my game/velmora.*), and checks what it leaves there.
steps() {
  mkdir -p "$game/my game"
  printf '#!/bin/sh\ntouch "${0%%/*}/started"\n' >"$game/my game/velmora.sh" && chmod +x "$game/my game/velmora.sh"
  printf '@echo started> "%%~dp0started"\r\n' >"$game/my game/velmora.bat"
  # The game's path as the settings file holds it: Windows-1251.
  printf '\r\n%s\r\n' "$game_path" | iconv -f UTF-8 -t CP1251 >"$game/fleetwick.ini" || fail "no settings file"
  # The window as the program draws it; the program ends once it is captured.
  (cd "$game" && FLEETWICK_SCREENSHOT=shot.png timeout 60 "$@") >"$out/program.log" 2>&1
  mv "$game/shot.png" "$shots/screenshot-$(basename "$out").png" || fail "no screenshot"

  (cd "$game" && exec "$@") >"$out/program.log" 2>&1 &
  app_pid=$!
  wait_for 60 find_window '^Fleetwick v1\.1$' || fail "the main window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area is 857 × 529 below the menu bar.
  menu=$((HEIGHT - 529)) top=$((HEIGHT - 529))
  [ "$WIDTH" -eq 857 ] && [ "$menu" -gt 0 ] && [ "$menu" -lt 100 ] || fail "the main window is $WIDTH × $HEIGHT"
  sleep 1 # mapped is not yet painted and ready for input

  click $((8 + 8)) $((8 + 64)) 75 25     # Button1 "ОК" in GroupBox1: the lookup of ADMIRAL
  click $((8 + 8)) $((312 + 16)) 409 21  # Edit2 in GroupBox2
  type_text "1700.0 2.5 0.0"
  click $((8 + 424)) $((312 + 16)) 75 21 # Button5 "ОК": write handling.dat

  menu Up Up Return # "Файл" → "Установить мод из текста…": its window, over the main one
  local main=$window
  wait_for 10 find_window '^Установка мода$' || fail "the mod install window did not appear"
  top=0
  xclip -selection clipboard -i "$readme" || fail "cannot put the read-me on the clipboard"
  click 8 36 624 260 # the text field, the read-me pasted into it
  keys ctrl+v
  click 508 446 124 25 # "Записать всё", which then closes the window
  mod_gone() { ! find_window '^Установка мода$'; }
  wait_for 20 mod_gone || fail "the mod install window stayed open after \"Записать всё\""
  window=$main top=$menu
  click 8 120 513 169                    # Memo4, the log: all of it to the clipboard
  keys ctrl+a ctrl+c
  xclip -o -selection clipboard >"$out/log.txt" || fail "nothing on the clipboard"

  menu Right Return # "Настройки" → "Параметры": the game's path is there, Crateview's is typed
  local top=0
  wait_for 10 find_window '^Параметры$' || fail "the settings window did not appear"
  click 8 24 321 21 # Edit1, then Button3 "ОК"
  type_text "crateview.exe"
  click 256 104 75 21
  window=$main top=$menu
  printf 'crateview.exe\r\n%s\r\n' "$game_path" | iconv -f UTF-8 -t CP1251 | cmp -s - "$game/fleetwick.ini" ||
    fail "fleetwick.ini does not hold just the two paths: $(cat -A "$game/fleetwick.ini")"

  click $((248 + 136)) $((48 + 24)) 105 25 # Button9 "Запустить Velmora"
  has_started() { [ -e "$game/my game/started" ]; }
  wait_for 20 has_started || fail "the game was not started"

  menu Up Return # "Файл" → "Выход", the menu's last item
  wait_for 20 app_gone || fail "the program did not end after \"Выход\""
  wait "$app_pid" || fail "the program ended with exit code $?"
  app_pid=""
  undate "$game"
  diff -r -x 'my game' -x fleetwick.ini -x '*.exe' -x fleetwick-docs "$expected" "$game" >&2 ||
    fail "the game folder is not as expected"
  diff <(echo && cat "$out/expected.log") <(cat "$out/log.txt" && echo) >&2 || fail "the log is not as expected"
}

out=$work/linux game=$work/linux/игра
expect "$cli"
make_game "$game" && make_backup "$game"
game_path="$game/my game/velmora.sh" steps env QT_QPA_PLATFORM=xcb "$linux"
[ -z "$zip" ] && { echo "PASSED"; exit 0; }

out=$work/windows game=$work/windows/игра
# The whole package unpacked into the game folder, as a player does: the backup folders come with it.
make_game "$game" && unzip -q "$zip" -d "$game" || fail "cannot unzip $zip"
expect "$wine" "$game/fleetwick-cli.exe"
game_path="Z:${game//\//\\}\\my game\\velmora.bat" steps "$wine" "$game/fleetwick.exe"
bash "$(dirname "$0")/copies_test.sh" "$stock" "$wine" "$game/fleetwick-cli.exe" >&2 ||
  fail "eight copies of fleetwick-cli.exe at once"
echo "PASSED on Linux and on Windows"
