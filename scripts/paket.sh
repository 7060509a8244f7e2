#!/usr/bin/env bash
# Builds the Debian package from an existing build tree (default: build), unpacks it into a
# scratch root and checks what a user gets: the desktop entry and the metainfo pass their
# validators, the manual page formats, and the installed umbrarix-batch runs a table from
# the installed example project, byte for byte as the build tree's program writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
baum="${1:-build}"

rm -f "$baum"/umbrarix_*.deb
(cd "$baum" && cpack -G DEB > /dev/null)
paket=$(ls "$baum"/umbrarix_*.deb)
echo "Paket: $paket"
dpkg-deb --field "$paket" Package Version Depends

wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg-deb -x "$paket" "$wurzel"
for datei in usr/bin/umbrarix usr/bin/umbrarix-batch \
    usr/share/applications/de.umbrarix.Umbrarix.desktop \
    usr/share/icons/hicolor/scalable/apps/umbrarix.svg \
    usr/share/metainfo/de.umbrarix.Umbrarix.metainfo.xml \
    usr/share/man/man1/umbrarix-batch.1 usr/share/umbrarix/beispiele/vorgabe.dat; do
    test -f "$wurzel/$datei" || { echo "fehlt im Paket: $datei" >&2; exit 1; }
done
# Every library the programs need is one the package depends on.
dpkg-deb --field "$paket" Depends | grep -q libqt6widgets6

desktop-file-validate "$wurzel/usr/share/applications/de.umbrarix.Umbrarix.desktop"
appstreamcli validate --no-net "$wurzel/usr/share/metainfo/de.umbrarix.Umbrarix.metainfo.xml"
warnungen=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$wurzel/usr/share/man/man1/umbrarix-batch.1" 2>&1 >/dev/null)
test -z "$warnungen" || { echo "$warnungen" >&2; exit 1; }

"$wurzel/usr/bin/umbrarix-batch" --version
beispiel="$wurzel/usr/share/umbrarix/beispiele/vorgabe.dat"
"$wurzel/usr/bin/umbrarix-batch" tabelle "$beispiel" --ziel fenster --art tag -o "$wurzel/tag.dat"
"$baum/src/batch/umbrarix-batch" tabelle beispiele/vorgabe.dat --ziel fenster --art tag -o "$wurzel/erwartet.dat"
cmp "$wurzel/tag.dat" "$wurzel/erwartet.dat"
echo "Paket geprüft."
