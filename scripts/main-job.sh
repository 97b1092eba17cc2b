#!/usr/bin/env bash
# The main job: set up, build, and run the command-line program on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh native
cli=$PWD/build/native/zorbaltwerk-cli
work=$PWD/build/example-run
rm -rf "$work" && mkdir -p "$work/RCT3"
cp examples/CTR_BahnDaten_* "$work"/
# The example cars get a folder of their own, with the demo model pairs their file names: their
# object name is the ride's, so their pair would otherwise take the ride pair's place.
cars=$work/cars
mkdir -p "$cars"
cp examples/CTR_WagenDaten_* examples/*.common.ovl examples/*.unique.ovl "$cars"/
"$cli" --help
# The options first (German, with add-ons), then the example ride read, dumped and rewritten.
"$cli" --workdir "$work" --yes options set --german --addons --game-path "$work/RCT3"
ride=$work/CTR_BahnDaten_Beispielbahn.txt
"$cli" --workdir "$work" ride read "$ride"
"$cli" --workdir "$work" ride read --dump "$ride" >"$work/ride-dump.txt"
"$cli" --workdir "$work" --yes ride rewrite "$ride"
"$cli" --workdir "$work" ride read "$ride" >/dev/null
# The example cars: read, dumped and rewritten.
car=$cars/CTR_WagenDaten_Beispielbahn.txt
"$cli" --workdir "$work" car read "$car"
"$cli" --workdir "$work" car read --dump "$car" >"$work/car-dump.txt"
"$cli" --workdir "$work" --yes car rewrite "$car"
"$cli" --workdir "$work" car read "$car" >/dev/null
# The example ride built in both layouts; the inspector checks each pair.
object=CTR_Beispielbahn
for layout in --no-addons --addons; do
  "$cli" --workdir "$work" --overwrite "$layout" ride build "$ride"
  "$cli" --workdir "$work" inspect "$work/$object/$object"
done
# The example car pair, built from the demo models, and inspected.
"$cli" --workdir "$work" --overwrite car build "$car"
"$cli" --workdir "$work" inspect "$cars/$object/$object"
