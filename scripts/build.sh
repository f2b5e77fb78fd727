#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR): everything, or only the targets named as arguments
# (and what they need). JOBS=n limits the parallel jobs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$build" -j "${JOBS:-$(nproc)}" --target "$@"
else
  cmake --build "$build" -j "${JOBS:-$(nproc)}"
fi
