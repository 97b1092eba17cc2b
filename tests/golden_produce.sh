#!/usr/bin/env bash
# Writes what the command-line program makes of the examples into OUT, as kept in tests/golden:
#   tests/golden_produce.sh OUT SOURCE_DIR [EMULATOR ...] PROGRAM
# - the canonical rewrites of the example ride file (German with and without the add-ons, English
#   with them) and of the example car file (German, English), byte for byte;
# - the read dumps and the checks of both files;
# - for the ride pair of each layout and the car pair: the inspector's listing and the SHA-256
#   digest of each file (pairs.sha256, as sha256sum writes it);
# - pictures/: the example models and the car pair drawn by inspect --render.
# The work runs in OUT/work with relative paths, so nothing in the results names this machine.
set -euo pipefail
out=$(realpath -m "$1")
source=$(realpath "$2")
shift 2
cli=("$@")
# The program last, as an absolute path (the work below changes folder).
cli[-1]=$(realpath "${cli[-1]}")

rm -rf "$out"
mkdir -p "$out/work"
cd "$out/work"
# Console output of a Windows build ends its lines with CR LF: the listings keep LF only.
run() { "${cli[@]}" --workdir . "$@" 2>/dev/null | tr -d '\r'; }
quiet() { "${cli[@]}" --workdir . "$@" >/dev/null 2>&1; }

mkdir RCT3 ride cars
cp "$source"/examples/CTR_BahnDaten_Beispielbahn.txt ride/
cp "$source"/examples/CTR_WagenDaten_Beispielzug.txt "$source"/examples/*.common.ovl \
   "$source"/examples/*.unique.ovl cars/
quiet --yes options set --german --addons --game-path RCT3

run ride read --dump ride/CTR_BahnDaten_Beispielbahn.txt >"$out/ride-dump.txt"
run car read --dump cars/CTR_WagenDaten_Beispielzug.txt >"$out/car-dump.txt"
run ride check ride/CTR_BahnDaten_Beispielbahn.txt >"$out/ride-check.txt" || true
run car check cars/CTR_WagenDaten_Beispielzug.txt >"$out/car-check.txt" || true

# The rewrites: each from the example as shipped.
rewrite() {  # KIND FILE RESULT FLAGS...
  local kind=$1 file=$2 result=$3
  shift 3
  mkdir -p rewrite
  cp "$source/examples/$file" rewrite/
  quiet --yes --overwrite "$@" "$kind" rewrite "rewrite/$file"
  cp "rewrite/$file" "$out/$result"
  rm -rf rewrite
}
rewrite ride CTR_BahnDaten_Beispielbahn.txt ride-rewrite-de-addons.txt --german --addons
rewrite ride CTR_BahnDaten_Beispielbahn.txt ride-rewrite-de.txt --german --no-addons
rewrite ride CTR_BahnDaten_Beispielbahn.txt ride-rewrite-en-addons.txt --english --addons
rewrite car CTR_WagenDaten_Beispielzug.txt car-rewrite-de.txt --german
rewrite car CTR_WagenDaten_Beispielzug.txt car-rewrite-en.txt --english

: >"$out/pairs.sha256"
pair() {  # FOLDER RESULT-NAME OBJECT-NAME
  local folder=$1 name=$2 object=$3
  run inspect "$folder/$object/$object" >"$out/$name-inspect.txt"
  for part in common unique; do
    cp "$folder/$object/$object.$part.ovl" "$name.$part.ovl"
    sha256sum "$name.$part.ovl" >>"$out/pairs.sha256"
  done
}
quiet --overwrite --no-addons ride build ride/CTR_BahnDaten_Beispielbahn.txt
pair ride ride CTR_Beispielbahn
quiet --overwrite --addons ride build ride/CTR_BahnDaten_Beispielbahn.txt
pair ride ride-addons CTR_Beispielbahn
quiet --overwrite car build cars/CTR_WagenDaten_Beispielzug.txt
pair cars car CTR_Beispielzug

# The pictures of the example models and of the car pair (compared with a tolerance a pixel by the
# test RenderCli, not byte for byte).
mkdir -p "$out/pictures"
for model in cars/*.common.ovl; do
  model=${model%.common.ovl}
  quiet inspect --render "$out/pictures/$(basename "$model").png" --size 256 "$model" || true
done
quiet inspect --render "$out/pictures/car.png" --size 256 cars/CTR_Beispielzug/CTR_Beispielzug || true

cd "$out"
rm -rf work
