#!/usr/bin/env bash
# A working folder, a data file folder and a game folder whose paths run past 260 characters: the
# command-line program keeps its options there, builds, installs, lists, checks and uninstalls a
# ride and a car (as a Windows program under Wine in the Windows build):
#   tests/cli_long_paths.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$1
source=$2
shift 2
cli=("$@")

fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# Seven folders of 41 characters: every path below passes 260 characters. The current folder stays
# short (Windows keeps the current folder below 260 characters); the paths are relative to it.
deep=.
for level in 1 2 3 4 5 6 7; do deep="$deep/Ordner_$level-mit_einem_recht_langen_Namen_____"; done
[ "${#deep}" -gt 260 ] || fail "the folder is only ${#deep} characters long"
mkdir -p "$deep/Zorbaltwerk" "$deep/Spiele/RCT3/tracks/TrackedRides" "$deep/Spiele/RCT3/Cars/TrackedRideCars" "$deep/Bahnen"
cp "$source"/examples/CTR_BahnDaten_Beispielbahn.txt "$source"/examples/CTR_WagenDaten_Beispielzug.txt \
   "$source"/examples/*.ovl "$deep/Bahnen/"
zw() { "${cli[@]}" --workdir "$deep/Zorbaltwerk" "$@"; }

zw --yes options set --german --no-addons --game-path "$deep/Spiele/RCT3" >/dev/null || fail "options set"
[ -s "$deep/Zorbaltwerk/Zorbaltwerk_Options.txt" ] || fail "no options file in $deep/Zorbaltwerk"
zw --overwrite ride install "$deep/Bahnen/CTR_BahnDaten_Beispielbahn.txt" >/dev/null || fail "ride install"
zw --overwrite car install "$deep/Bahnen/CTR_WagenDaten_Beispielzug.txt" >/dev/null || fail "car install"
game=$deep/Spiele/RCT3
for file in "$game/tracks/TrackedRides/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl" \
            "$game/Cars/TrackedRideCars/CTR_Beispielzug/CTR_Beispielzug.unique.ovl"; do
  [ -s "$file" ] || fail "nothing installed as $file"
  [ "$(realpath "$file" | wc -c)" -gt 300 ] || fail "$file is not deep enough"
done
cmp "$deep/Bahnen/CTR_Beispielzug/CTR_Beispielzug.common.ovl" \
    "$game/Cars/TrackedRideCars/CTR_Beispielzug/CTR_Beispielzug.common.ovl" || fail "the car pair was not copied whole"
# Listing the game's folders: the lists, the check of every installed CTR, then uninstalling.
[ "$(zw list rides | tr -d '\r')" = CTR_Beispielbahn ] || fail "list rides: $(zw list rides 2>&1)"
[ "$(zw list cars | tr -d '\r')" = CTR_Beispielzug ] || fail "list cars: $(zw list cars 2>&1)"
doctor=$(zw doctor --json 2>&1 | tr -d '\r') || fail "doctor: $doctor"
grep -q '"name": "CTR_Beispielbahn"' <<<"$doctor" && grep -q '"name": "CTR_Beispielzug"' <<<"$doctor" \
  && grep -q '"errors": 0' <<<"$doctor" || fail "doctor: $doctor"
zw uninstall ride CTR_Beispielbahn >/dev/null || fail "uninstall ride"
zw uninstall car CTR_Beispielzug >/dev/null || fail "uninstall car"
[ -z "$(find "$game/tracks/TrackedRides" "$game/Cars/TrackedRideCars" -mindepth 1)" ] || fail "left after uninstall: $(ls -R "$game")"
[ -z "$(zw list rides | tr -d '\r')" ] || fail "list rides after uninstall: $(zw list rides 2>&1)"
echo "options, build, install, lists, check and uninstall in folders of ${#deep} characters"
