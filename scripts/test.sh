#!/usr/bin/env bash
# Installs what is missing (Debian), builds Umbrarix with its tests and benchmarks, and runs
# the whole suite headless: once in the normal build, then the Debian package built, unpacked
# and its programs run, once with AddressSanitizer and UndefinedBehaviorSanitizer, the runs
# over the threads with ThreadSanitizer, then a short run of every fuzz harness (clang,
# libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
pakete_installieren
export QT_QPA_PLATFORM=offscreen

echo "== Build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

echo "== Debian package"
./scripts/paket.sh build

echo "== Sanitizer build and tests"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Release -DUMBRARIX_SANITIZER=ON -DUMBRARIX_BENCH=OFF
cmake --build build-san -j2
(cd build-san && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j2)

echo "== ThreadSanitizer: the runs over the threads"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Release -DUMBRARIX_TSAN=ON -DUMBRARIX_BENCH=OFF
cmake --build build-tsan -j2 --target test_auswertung
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^(ParallelAuswerten|AnteileBerechnen|Dimensionierung|Jahresraster|Himmelsmaske|Sonneneintrag)\.')

echo "== Fuzz runs"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DUMBRARIX_FUZZ=ON
cmake --build build-fuzz -j2
(cd build-fuzz && ctest --output-on-failure)
