#!/usr/bin/env bash
# Fails when a tracked C++ source is not formatted as the project's .clang-format says.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
