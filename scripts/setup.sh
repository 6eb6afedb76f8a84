#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# A machine that has everything is not touched. `setup.sh fuzz` asks for what the
# fuzz build needs instead: the build tools and clang with its libFuzzer runtime.
set -euo pipefail

packages=(cmake ninja-build make)
if [ "${1:-}" = "fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev)
else
  packages+=(
    g++ libgtest-dev libbenchmark-dev
    # The window: Qt 6 Widgets, sound, printing, the SVG icon, Qt's own Dutch
    # texts for standard buttons and file dialogs, and the stand-in fonts.
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
    # Checks the desktop entry that `make install` puts in place.
    desktop-file-utils
  )
fi

missing=()
for package in "${packages[@]}"; do
  # Only "install ok installed" counts: a removed package leaves its configuration
  # behind and still answers to dpkg -s.
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installeren: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
