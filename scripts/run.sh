#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests and benchmarks), and starts it on the
# user's own program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
# The executable, the collation extension beside it, the database templates and the report fonts.
BUILD_DIR="$build" "$root/scripts/build.sh" redazor-tarvel ptbr templates report_fonts

dir="${REDAZOR_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/redazor-tarvel}"
mkdir -p "$dir"
# Seed the folder from the templates by what it holds: a consumed "Ajuste.mdb" never comes back
# once "Trabdados.mdb" exists, and a rebuild never touches an office's databases. The movement
# template is the release's own (nothing writes it): a different one is replaced, in one step, so that
# new and rebuilt movement databases take the release's layout.
if [ -d "$build/templates" ]; then
  if [ ! -e "$dir/Ajuste.mdb" ] && [ ! -e "$dir/Trabdados.mdb" ] && [ -e "$build/templates/Ajuste.mdb" ]; then
    cp "$build/templates/Ajuste.mdb" "$dir/Ajuste.mdb"
  fi
  if [ -e "$build/templates/Movimento.mdb" ] && ! cmp -s "$build/templates/Movimento.mdb" "$dir/Movimento.mdb"; then
    cp "$build/templates/Movimento.mdb" "$dir/.Movimento.mdb.new"
    mv -f "$dir/.Movimento.mdb.new" "$dir/Movimento.mdb"
  fi
fi
export REDAZOR_DIR="$dir"
exec "$build/bin/redazor-tarvel" "$@"
