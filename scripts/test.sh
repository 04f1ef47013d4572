#!/usr/bin/env bash
# Builds Fleetwick with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" clang-format xvfb xauth xdotool fonts-dejavu-core clang libclang-rt-14-dev
echo "Checking the code style"
(cd "$root" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror)

build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DFLEETWICK_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build" && ctest --output-on-failure -j"$(nproc)"
