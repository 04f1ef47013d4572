#!/usr/bin/env bash
# Builds the Windows download dist/fleetwick-VERSION-win64.zip, to be unpacked into the game folder:
# fleetwick.exe as one file that needs nothing installed (Qt, its Windows platform plugin, the C++
# runtime and the program's resources linked in), fleetwick-cli.exe where the sources have it, the
# empty backup folders, and the licences and the players' read-me in a folder of their own.
# The static Qt comes from scripts/windows-qt.sh, which builds it once per machine.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" g++-mingw-w64-x86-64-posix ninja-build zip
prefix=$(bash "$root/scripts/windows-qt.sh" | tail -n 1)
[ -f "$prefix/.complete" ] || { echo "No Qt for Windows: $prefix" >&2; exit 1; }
version=$(sed -n 's/^project(Fleetwick VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

# The programs' icon file, drawn by this machine's build of the window icon's code: the Windows build
# cannot run what it compiles.
host="$root/build-windows-icon"
cmake -S "$root" -B "$host" -DCMAKE_BUILD_TYPE=Release -DFLEETWICK_TESTS=OFF >/dev/null
cmake --build "$host" -j"$(nproc)" --target fleetwick-icon
"$host/src/main/fleetwick-icon" "$host/fleetwick.ico"

build="$root/build-windows"
# -static takes in libgcc, libstdc++ and winpthread, so no DLL of the compiler's goes along.
"$prefix/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFLEETWICK_TESTS=OFF \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$prefix/share/fleetwick/mingw-w64.cmake" \
  -DCMAKE_EXE_LINKER_FLAGS="-static -static-libgcc -static-libstdc++" \
  -DFLEETWICK_ICON="$host/fleetwick.ico" >/dev/null
programs=(fleetwick)
targets=$(cmake --build "$build" --target help)
grep -q '^fleetwick-cli:' <<<"$targets" && programs+=(fleetwick-cli)
cmake --build "$build" -j"$(nproc)" --target "${programs[@]}"

# Unpacked into the game folder, the zip brings the programs, the backup folders Fleetwick needs and
# never creates (empty, so that unpacking over a game folder's own keeps their backups) and its
# documents in a folder of the program's own: no read-me or licence at the top, where the game's lie.
stage="$build/package"
docs="$stage/fleetwick-docs"
rm -rf "$stage" && mkdir -p "$docs/licenses" "$stage/backup/"{handling,vehicles,carcols}
for program in "${programs[@]}"; do
  x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$(find "$build/src" -name "$program.exe" | head -n 1)"
  # Only Windows' own DLLs: none of the compiler's or Qt's may be needed beside the program.
  if x86_64-w64-mingw32-objdump -p "$stage/$program.exe" | grep -i -E 'DLL Name: (lib|qt)'; then
    echo "$program.exe is not self-contained" >&2
    exit 1
  fi
done

# Text files for Notepad: CR LF, and UTF-8 with a byte order mark so that the Cyrillic shows on a
# Windows of any language.
crlf() { sed 's/\r*$/\r/' "$@"; }
for_notepad() { printf '\xef\xbb\xbf' && crlf "$@"; }
for_notepad "$root/docs/windows-readme.txt" >"$docs/readme.txt"
for_notepad "$root/LICENSE" >"$docs/LICENSE.txt"
licences=$prefix/share/fleetwick
for_notepad "$licences/LGPL-3.0-only.txt" >"$docs/licenses/Qt-LGPL-3.0.txt"
for_notepad "$licences/GPL-3.0-only.txt" >"$docs/licenses/Qt-GPL-3.0.txt"
for_notepad "$licences/qt-source.txt" >"$docs/licenses/Qt-source.txt"
for lib in "$licences"/third-party/*/; do
  crlf "$lib/qt_attribution.json" && find "$lib" -type f ! -name qt_attribution.json -exec sed 's/\r*$/\r/' {} +
done | for_notepad >"$docs/licenses/Qt-third-party.txt"
for_notepad /usr/share/doc/fonts-liberation2/copyright >"$docs/licenses/LiberationSans-OFL.txt"

mkdir -p "$root/dist"
zip="$root/dist/fleetwick-$version-win64.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X -r "$zip" .)
echo "$zip ($(du -k "$zip" | cut -f1) KiB)"
