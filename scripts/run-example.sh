#!/usr/bin/env bash
# The main job's run of the command-line program on the bundled example: the options set, the example
# ride and cars read, dumped, rewritten, built and inspected.
#   scripts/run-example.sh WORK EXAMPLES CLI [CLI-ARG ...]
# WORK is made anew; EXAMPLES holds the example files; CLI (with its first words, e.g. the Wine runner
# for a Windows build) is the command-line program to run.
set -euo pipefail
work=$1
examples=$2
shift 2
cli=("$@")
rm -rf "$work" && mkdir -p "$work/RCT3"
cp "$examples"/CTR_BahnDaten_* "$work"/
# The example cars get a folder of their own, with the demo model pairs their file names: their
# object name is the ride's, so their pair would otherwise take the ride pair's place.
cars=$work/cars
mkdir -p "$cars"
cp "$examples"/CTR_WagenDaten_* "$examples"/*.common.ovl "$examples"/*.unique.ovl "$cars"/
"${cli[@]}" --help
# The options first (German, with add-ons), then the example ride read, dumped and rewritten.
"${cli[@]}" --workdir "$work" --yes options set --german --addons --game-path "$work/RCT3"
ride=$work/CTR_BahnDaten_Beispielbahn.txt
"${cli[@]}" --workdir "$work" ride read "$ride"
"${cli[@]}" --workdir "$work" ride read --dump "$ride" >"$work/ride-dump.txt"
"${cli[@]}" --workdir "$work" --yes ride rewrite "$ride"
"${cli[@]}" --workdir "$work" ride read "$ride" >/dev/null
# The example cars: read, dumped and rewritten.
car=$cars/CTR_WagenDaten_Beispielzug.txt
"${cli[@]}" --workdir "$work" car read "$car"
"${cli[@]}" --workdir "$work" car read --dump "$car" >"$work/car-dump.txt"
"${cli[@]}" --workdir "$work" --yes car rewrite "$car"
"${cli[@]}" --workdir "$work" car read "$car" >/dev/null
# The example ride built in both layouts; the inspector checks each pair.
object=CTR_Beispielbahn
for layout in --no-addons --addons; do
  "${cli[@]}" --workdir "$work" --overwrite "$layout" ride build "$ride"
  "${cli[@]}" --workdir "$work" inspect "$work/$object/$object"
done
# The example car pair, built from the demo models, and inspected.
"${cli[@]}" --workdir "$work" --overwrite car build "$car"
"${cli[@]}" --workdir "$work" inspect "$cars/CTR_Beispielzug/CTR_Beispielzug"
