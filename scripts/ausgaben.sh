#!/usr/bin/env bash
# Writes every output of umbrarix-batch for four projects (the default, all elements, a tilted
# wall with both wall projections at 69.6° north, a west facade without overhang) into a folder:
# tables as text and CSV, VELUMORA files, the seven views at three instants, year overviews,
# hours of sun, sizing with project files, sun-path diagrams and masks, the Sonneneintrag of a
# made-up weather year, printed pages as PNG (150 dpi), the help of all and of each command,
# version and wrong calls with their messages. Two folders written by two
# builds compare with diff -r.
#   scripts/ausgaben.sh build/src/batch/umbrarix-batch /tmp/nachher
set -u
B=$(realpath "$1"); O=$(realpath -m "$2"); Q=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$O"; mkdir -p "$O"; cd "$O"
cp "$Q/beispiele/vorgabe.dat" "$Q"/tests/ausgaben/*.dat .
# A weather year of the EPW layout with a fixed daylight radiation (hours 6 to 20).
awk 'BEGIN {
  split("31 28 31 30 31 30 31 31 30 31 30 31", t, " ")
  printf "LOCATION,Koeln,NW,DEU,Test,105130,50.87,7.17,1.0,92.0\r\n"
  for (i = 1; i <= 7; i++) printf "KOPF %d\r\n", i
  for (m = 1; m <= 12; m++) for (d = 1; d <= t[m]; d++) for (h = 1; h <= 24; h++) {
    hell = h >= 6 && h <= 20
    printf "2005,%d,%d,%d,60,x,10,5,70,95000,0,1367,300,%d,%d,%d,9999\r\n", m, d, h, hell * 450, hell * 500, hell * 110
  }
}' > wetter.epw
for p in vorgabe alle polar west; do
  d=$p.dat; o=$p
  for z in fenster terrasse; do
    for art in tag jahr uhrzeit; do
      "$B" tabelle $d --ziel $z --art $art --tag 200 --uhrzeit 15:30 -o $o.tab.$z.$art.txt
      "$B" tabelle $d --ziel $z --art $art --tag 200 --uhrzeit 15:30 --format csv -o $o.tab.$z.$art.csv
    done
    "$B" velumora $d --ziel $z -o $o.vel.$z.dat
    "$B" jahresuebersicht $d --ziel $z --tag 100 --uhrzeit 09:00 -o $o.jue.$z.png
  done
  for t in "172 12:00" "355 09:10" "80 16:30"; do
    set -- $t
    for a in 3d seite fenster terrasse kompass tagesdiagramm jahresdiagramm; do
      "$B" ansicht $d --ansicht $a --tag $1 --uhrzeit $2 -o $o.ans.$a.$1.png
      "$B" ansicht $d --ansicht $a --tag $1 --uhrzeit $2 --ziel terrasse -o $o.ans.$a.$1.t.png
    done
  done
  "$B" sonnenstunden $d -o $o.sst.txt
  "$B" sonnenbahnen $d --ziel terrasse --tag 80 --uhrzeit 16:30 -o $o.bahnen.png
  "$B" maske $d --schritt 10 -o $o.maske.csv
  "$B" sonneneintrag $d --wetter wetter.epw --zeitraum 01.06.-31.08. -o $o.eintrag.txt
  "$B" sonneneintrag $d --wetter wetter.epw --ziel terrasse --albedo 0,3 --format csv -o $o.eintrag.csv
  "$B" sonnenstunden $d --zeitraum 01.06.-31.08. --uhrzeit 12:00-16:00 -o $o.sst2.txt
  "$B" sonnenstunden $d --zeitraum 01.11.-28.02. --uhrzeit 08:00-12:00 --format csv -o $o.sst.csv
  "$B" dimensionieren $d --ziel terrasse --zeitraum 01.06.-31.08. --uhrzeit 12:00-16:00 \
      --mindestens 80 --ausfall 0-400:20 --breite 400-700:100 --projekt $o.dim.dat -o $o.dim.txt
  "$B" dimensionieren $d --ziel fenster --zeitraum 01.05.-30.09. --uhrzeit 10:00-14:00 \
      --mindestens 99 --ausfall 0-300:50 --neigung 0-30:15 --projekt $o.dim2.dat -o $o.dim2.txt
  for inh in alles datenblatt grafiken jahresuebersicht; do
    "$B" drucken $d --inhalt $inh --tag 200 --uhrzeit 15:30 -o $o.pdf.$inh.pdf
    pdftoppm -r 150 -png $o.pdf.$inh.pdf $o.pdf.$inh
    rm $o.pdf.$inh.pdf
  done
done
"$B" --help > hilfe.txt; echo "rc=$?" >> hilfe.txt
"$B" --version > version.txt
for c in tabelle velumora drucken ansicht jahresuebersicht sonnenstunden dimensionieren \
    sonnenbahnen maske sonneneintrag; do
  "$B" $c --help > hilfe.$c.txt; echo "rc=$?" >> hilfe.$c.txt
done
n=0
for falsch in "tabelle vorgabe.dat --ziel fenster --art tag --tag 021.06. -o -" \
    "tabelle vorgabe.dat --ziel fenster --art tag --uhrzeit 24:00 -o -" \
    "sonnenstunden vorgabe.dat --zeitraum 021.06.-31.08. -o -" \
    "sonnenstunden vorgabe.dat --uhrzeit 12:5-16:00 -o -" \
    "tabelle vorgabe.dat --ziel fenster --art tag --tag 1.1 --uhrzeit 7:5 -o -" \
    "drucken vorgabe.dat -o x.pdf" "gibtsnicht" "tabelle vorgabe.dat --foo 1 -o -" \
    "tabelle vorgabe.dat --ziel=dach -o -" "tabelle vorgabe.dat --help=ja"; do
  n=$((n + 1)); "$B" $falsch > falsch.$n.txt 2>&1; echo "rc=$?" >> falsch.$n.txt
done
rm -f vorgabe.dat alle.dat polar.dat west.dat wetter.epw
