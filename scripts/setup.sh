#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; does nothing when all are there.
set -euo pipefail
packages=(
  cmake g++ make clang-format
  qt6-base-dev qt6-translations-l10n
  libsqlite3-dev sqlite3
  libgtest-dev
  poppler-utils
  fonts-liberation2
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update
  env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
else
  sudo apt-get update
  sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
