#!/usr/bin/env bash
# A working folder, a data file folder and a game folder whose paths run past 260 characters: the
# command-line program keeps its options there, builds, installs and uninstalls a ride and a car
# (as a Windows program under Wine in the Windows build):
#   tests/cli_long_paths.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$1
source=$2
shift 2
cli=("$@")

fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
# Seven folders of 40 characters: every path below passes 260 characters.
deep=$work
for level in 1 2 3 4 5 6 7; do deep="$deep/Ordner_$level-mit_einem_recht_langen_Namen_____"; done
mkdir -p "$deep/Zorbaltwerk" "$deep/Spiele/RCT3/tracks/TrackedRides" "$deep/Spiele/RCT3/Cars/TrackedRideCars" "$deep/Bahnen"
[ "${#deep}" -gt 260 ] || fail "the folder is only ${#deep} characters long"
cd "$deep"
cp "$source"/examples/CTR_BahnDaten_Beispielbahn.txt "$source"/examples/CTR_WagenDaten_Beispielbahn.txt \
   "$source"/examples/*.ovl Bahnen/
# The Windows build is given the folders as Windows paths of the current folder (relative ones).
zw() { "${cli[@]}" --workdir Zorbaltwerk "$@"; }

zw --yes options set --german --no-addons --game-path Spiele/RCT3 >/dev/null || fail "options set"
[ -s Zorbaltwerk/Zorbaltwerk_Options.txt ] || fail "no options file in $deep/Zorbaltwerk"
zw --overwrite ride install Bahnen/CTR_BahnDaten_Beispielbahn.txt >/dev/null || fail "ride install"
zw --overwrite car install Bahnen/CTR_WagenDaten_Beispielbahn.txt >/dev/null || fail "car install"
for file in Spiele/RCT3/tracks/TrackedRides/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl \
            Spiele/RCT3/Cars/TrackedRideCars/CTR_Beispielbahn/CTR_Beispielbahn.unique.ovl; do
  [ -s "$file" ] || fail "nothing installed as $file"
  [ "$(realpath "$file" | wc -c)" -gt 300 ] || fail "$file is not deep enough"
done
cmp Bahnen/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl \
    Spiele/RCT3/Cars/TrackedRideCars/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl || fail "the car pair was not copied whole"
[ "$(zw list rides | tr -d '\r')" = CTR_Beispielbahn ] || fail "list rides: $(zw list rides)"
zw uninstall ride CTR_Beispielbahn >/dev/null || fail "uninstall ride"
zw uninstall car CTR_Beispielbahn >/dev/null || fail "uninstall car"
[ -z "$(find Spiele/RCT3/tracks/TrackedRides Spiele/RCT3/Cars/TrackedRideCars -mindepth 1)" ] || fail "left after uninstall: $(ls -R Spiele)"
echo "options, build, install and uninstall in folders of ${#deep} characters"
