#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# A machine that has everything is not touched.
set -euo pipefail

packages=(cmake ninja-build g++ make libgtest-dev libbenchmark-dev)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg -s "$package" >/dev/null 2>&1; then
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
