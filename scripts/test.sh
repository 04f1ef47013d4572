#!/usr/bin/env bash
# Builds Fleetwick with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" clang-format xvfb xauth xdotool fonts-dejavu-core
# The real-window tests read the program's log through the clipboard; the package's check lists the
# programs' resources with icoutils.
need_packages xclip unzip icoutils
# The install and the Debian package are checked with the desktops' and Debian's own tools.
need_packages desktop-file-utils appstream man-db dpkg-dev file lintian
# The backup time stamps are checked in Ukrainian with the system's locale and without it, at a fixed
# instant (faketime); fleetwick-cli speaks Russian in a Russian locale, which Wine also needs installed
# to reach a game folder with a Cyrillic name.
need_packages faketime locales
for language in uk_UA ru_RU; do
  if ! locale -a | grep -qx "$language.utf8"; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i "$language" -f UTF-8 "$language.UTF-8"
  fi
done
echo "Checking the code style"
(cd "$root" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror)

build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DFLEETWICK_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build" && ctest --output-on-failure -j"$(nproc)" -LE wine

# Whole flows on generated game folders, for a minute: clang's libFuzzer with its sanitizers. Its
# folders live in memory where they can, so that the many small flushed writes stay quick.
need_packages clang libclang-rt-14-dev
fuzz_build="$root/build-fuzz"
cmake -S "$root/fuzz" -B "$fuzz_build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz_build" -j"$(nproc)"
mkdir -p "$fuzz_build/corpus"
fuzz_tmp=${TMPDIR:-/tmp}
[ -w /dev/shm ] && fuzz_tmp=/dev/shm
if ! TMPDIR=$fuzz_tmp "$fuzz_build/fuzz_flows" -max_total_time=60 -artifact_prefix="$fuzz_build/" \
  "$fuzz_build/corpus" >"$fuzz_build/fuzz.log" 2>&1; then
  tail -n 60 "$fuzz_build/fuzz.log" >&2
  exit 1
fi
tail -n 1 "$fuzz_build/fuzz.log"
# A mod's text of any bytes, for twenty seconds, from a read-me of BANSHEE's stock lines (the first
# byte picks the vehicle).
mkdir -p "$fuzz_build/mod-corpus"
{ printf '\0'; grep -a -h -E '^(BANSHEE |banshee,)' "$root"/data/{handling.dat,vehicles.ide,carcols.dat}; } \
  >"$fuzz_build/mod-corpus/banshee"
if ! TMPDIR=$fuzz_tmp "$fuzz_build/fuzz_mod_text" -max_total_time=20 -timeout=5 -artifact_prefix="$fuzz_build/" \
  "$fuzz_build/mod-corpus" >"$fuzz_build/fuzz-mod.log" 2>&1; then
  tail -n 60 "$fuzz_build/fuzz-mod.log" >&2
  exit 1
fi
tail -n 1 "$fuzz_build/fuzz-mod.log"

# As a packager builds it: optimised, default options, tests on. Optimisers warn about other things
# than a debug build does, and warnings are errors.
release_build="$root/build-release"
cmake -S "$root" -B "$release_build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$release_build" -j"$(nproc)"
(cd "$release_build" && ctest --output-on-failure -j"$(nproc)" -LE wine)

# The toolkit-free core and its tests, cross-compiled for 64-bit Windows and run under Wine.
need_packages g++-mingw-w64-x86-64-posix wine64
win_build="$root/build-win64"
cmake -S "$root" -B "$win_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$win_build" -j"$(nproc)"
# A first Wine start sets up its prefix, which takes longer than any test should.
WINEDEBUG=-all "$(grep -o '^FLEETWICK_WINE:FILEPATH=.*' "$win_build/CMakeCache.txt" | cut -d= -f2)" wineboot --init
cd "$win_build" && ctest -L windows --output-on-failure

# The Windows package (its Qt is built once per machine and kept), then the Wine check of it: the
# same steps as the real-window test, whose files must come out byte for byte as on Linux.
bash "$root/scripts/package-windows.sh"
cd "$build" && ctest -L wine --output-on-failure
