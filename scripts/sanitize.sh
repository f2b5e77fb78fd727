#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (or
# $BUILD_DIR) and runs every test there (or the tests whose names match the ctest pattern given, as
# -R). Any leak, bad access or undefined behaviour fails its test; the one leak of a system library
# the program cannot free is listed in scripts/lsan.supp.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-sanitize}"
"$root/scripts/setup.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
cd "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
if [ $# -gt 0 ]; then
  ctest --output-on-failure --timeout 1200 -j "${JOBS:-$(nproc)}" -R "$1"
else
  ctest --output-on-failure --timeout 1200 -j "${JOBS:-$(nproc)}"
fi
