#!/usr/bin/env bash
# Installs what is missing (Debian), builds both programs (umbrarix and umbrarix-batch) and
# starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
pakete_installieren

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target umbrarix umbrarix-batch
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt) - so startet Umbrarix ohne Bildschirm: xvfb-run -a -s \"-screen 0 1280x1024x24\" ./build/src/app/umbrarix" >&2
    exit 1
fi
exec ./build/src/app/umbrarix "$@"
