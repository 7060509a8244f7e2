#!/usr/bin/env bash
# Installs what is missing (Debian), builds Umbrarix with its tests and benchmarks, and runs
# the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
pakete_installieren

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
