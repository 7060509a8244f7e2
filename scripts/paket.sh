#!/usr/bin/env bash
# Builds the Debian package in a tree of its own (build-paket): only the two programs and the
# files they ship, on both cores, with the hardening flags of dpkg-buildflags. Then lintian
# checks it (no error, no warning), it is unpacked into a scratch root and what a user gets is
# tried there: desktop entry and metainfo pass their validators, the manual pages format, both
# programs run (umbrarix --version and --help without a display) and umbrarix-batch writes a
# table of the installed example. With a tested build tree as argument (./scripts/paket.sh
# build), that table must equal the tested program's byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
vergleich="${1:-}"
baum=build-paket
# All of the hardening Debian offers, binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all

echo "== Paket bauen ($baum)"
cmake -S . -B "$baum" -DCMAKE_BUILD_TYPE=Release -DUMBRARIX_TESTS=OFF -DUMBRARIX_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$baum" -j2
rm -f "$baum"/umbrarix_*.deb
(cd "$baum" && cpack -G DEB)
paket=$(ls "$baum"/umbrarix_*.deb)
echo "Paket: $paket"
dpkg-deb --field "$paket" Package Version Maintainer Depends Description

echo "== lintian"
lintian -EvIL +pedantic --fail-on error,warning "$paket"

wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg-deb -x "$paket" "$wurzel"
for datei in usr/bin/umbrarix usr/bin/umbrarix-batch \
    usr/share/applications/de.umbrarix.umbrarix.desktop \
    usr/share/icons/hicolor/scalable/apps/umbrarix.svg \
    usr/share/metainfo/de.umbrarix.umbrarix.metainfo.xml \
    usr/share/man/man1/umbrarix.1.gz usr/share/man/man1/umbrarix-batch.1.gz \
    usr/share/doc/umbrarix/copyright usr/share/doc/umbrarix/changelog.gz \
    usr/share/umbrarix/beispiele/vorgabe.dat; do
    test -f "$wurzel/$datei" || { echo "fehlt im Paket: $datei" >&2; exit 1; }
done
# Every library the programs need is one the package depends on.
dpkg-deb --field "$paket" Depends | grep -q libqt6widgets6

desktop-file-validate "$wurzel/usr/share/applications/de.umbrarix.umbrarix.desktop"
appstreamcli validate --pedantic --no-net "$wurzel/usr/share/metainfo/de.umbrarix.umbrarix.metainfo.xml"
for seite in umbrarix umbrarix-batch; do
    warnungen=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$wurzel/usr/share/man/man1/$seite.1.gz" 2>&1 >/dev/null)
    test -z "$warnungen" || { echo "$seite.1: $warnungen" >&2; exit 1; }
done

echo "== Die installierten Programme"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$wurzel/usr/bin/umbrarix" --version
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$wurzel/usr/bin/umbrarix" --help > /dev/null
"$wurzel/usr/bin/umbrarix-batch" --version
beispiel="$wurzel/usr/share/umbrarix/beispiele/vorgabe.dat"
"$wurzel/usr/bin/umbrarix-batch" tabelle "$beispiel" --ziel fenster --art tag -o "$wurzel/tag.dat"
test -s "$wurzel/tag.dat"
if [ -n "$vergleich" ]; then
    "$vergleich/src/batch/umbrarix-batch" tabelle beispiele/vorgabe.dat --ziel fenster --art tag -o "$wurzel/erwartet.dat"
    cmp "$wurzel/tag.dat" "$wurzel/erwartet.dat"
fi
echo "Paket geprüft."
