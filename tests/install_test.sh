#!/usr/bin/env bash
# `cmake --install` puts both programs, the desktop entry and the icon in place,
# and the desktop entry passes desktop-file-validate.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/kwarrel bin/kwarrel-cli share/applications/kwarrel.desktop \
            share/icons/hicolor/scalable/apps/kwarrel.svg; do
  if [ ! -e "$prefix/$file" ]; then
    echo "niet geinstalleerd: $file"
    exit 1
  fi
done
desktop-file-validate "$prefix/share/applications/kwarrel.desktop"
echo "install: 1 passed, 0 failed"
