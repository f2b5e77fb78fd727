#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
"$root/scripts/format-check.sh"
BUILD_DIR="$build" "$root/scripts/build.sh"
cd "$build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@"
