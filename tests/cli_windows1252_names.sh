#!/usr/bin/env bash
# A ride whose file name holds a Windows-1252 character is read, rewritten and built by the
# command-line program under its own name, on Windows (under Wine) as on Linux:
#   tests/cli_windows1252_names.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$1
source=$2
shift 2
cli=("$@")

rm -rf "$work"
mkdir -p "$work"
cd "$work"
cp "$source/examples/CTR_BahnDaten_Beispielbahn.txt" "CTR_BahnDaten_Über.txt"
"${cli[@]}" --workdir . --yes options set --german --no-addons --game-path "C:/Games/RCT3" >/dev/null 2>&1

fail() { echo "FAILED: $*" >&2; exit 1; }

summary=$("${cli[@]}" --workdir . ride read "CTR_BahnDaten_Über.txt")
grep -q "ride object: CTR_Über" <<<"$summary" || fail "ride read: $summary"

# Rewritten in canonical form: the key the program does not know is dropped, the file keeps its name.
printf 'Unbekannt\t1\r\n' >>"CTR_BahnDaten_Über.txt"
"${cli[@]}" --workdir . --yes ride rewrite "CTR_BahnDaten_Über.txt" >/dev/null 2>&1
grep -q "Unbekannt" "CTR_BahnDaten_Über.txt" && fail "ride rewrite kept the unknown key"
grep -q $'^BahnName\t' "CTR_BahnDaten_Über.txt" || fail "ride rewrite: $(head -c 300 "CTR_BahnDaten_Über.txt")"
[ "$(ls)" = "$(printf 'CTR_BahnDaten_Über.txt\nZorbaltwerk_Options.txt')" ] || fail "files after the rewrite: $(ls)"

"${cli[@]}" --workdir . --overwrite ride build "CTR_BahnDaten_Über.txt" >/dev/null
for file in "CTR_Über/CTR_Über.common.ovl" "CTR_Über/CTR_Über.unique.ovl"; do
  [ -s "$file" ] || fail "ride build made no $file: $(ls -R)"
done
# The object name goes into the pair as Windows-1252 text.
LC_ALL=C grep -q $'CTR_\xdcber' "CTR_Über/CTR_Über.common.ovl" || fail "the pair does not name CTR_Über in Windows-1252"
"${cli[@]}" --workdir . inspect "CTR_Über/CTR_Über" >/dev/null
echo "read, rewritten and built: $(ls)"
