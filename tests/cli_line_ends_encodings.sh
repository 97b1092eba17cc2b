#!/usr/bin/env bash
# Data files as editors save them: every example and golden data file, with letters beyond ASCII
# in its names, saved with LF line ends, with mixed line ends, as UTF-8 and as UTF-8 with a
# byte-order mark, reads to the same values, rewrites to the same bytes and builds the same pair
# as the Windows-1252 file with CR LF. A UTF-8 file holding a letter Windows-1252 lacks is reported:
#   tests/cli_line_ends_encodings.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
export LC_ALL=C
work=$(realpath -m "$1")
source=$(realpath "$2")
shift 2
cli=("$@")
cli[-1]=$(realpath "${cli[-1]}")

fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
cd "$work"
zw() { "${cli[@]}" --workdir . "$@"; }
zw --yes options set --german --addons --game-path RCT3 >/dev/null 2>&1

lf() { tr -d '\r'; }
mixed() { awk 'BEGIN { RS = "\n"; ORS = "" } { if (NR % 2 == 0) sub(/\r$/, ""); print $0 "\n" }'; }
utf8() { iconv -f WINDOWS-1252 -t UTF-8; }
utf8_bom() { printf '\xEF\xBB\xBF'; utf8; }
utf8_bom_lf() { printf '\xEF\xBB\xBF'; lf | utf8; }

# The names with letters beyond ASCII, in Windows-1252 ("Gr\xF6\xDFe" is "Größe").
umlauts() {
  sed -e $'s/Beispielbahn Deluxe/Beispielbahn Gr\xF6\xDFe \x80/' -e $'s/Beispielbahn Zug/Beispielbahn Zug f\xFCr \xC4ltere/'
}

# What a file reads, rewrites and builds to, in FOLDER: the dump, the rewrite and the pair.
results() {  # KIND FOLDER FILE
  local kind=$1 folder=$2 file=$3
  # The dump's first line names the folder.
  zw "$kind" read --dump "$folder/$file" 2>/dev/null | tr -d '\r' | tail -n +2 >"$folder.dump"
  zw --overwrite "$kind" build "$folder/$file" >/dev/null 2>&1 || fail "$kind build $folder"
  cp "$folder"/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl "$folder.common.ovl"
  cp "$folder"/CTR_Beispielbahn/CTR_Beispielbahn.unique.ovl "$folder.unique.ovl"
  zw --yes --overwrite "$kind" rewrite "$folder/$file" >/dev/null 2>&1 || fail "$kind rewrite $folder"
  cp "$folder/$file" "$folder.rewrite"
}

cases=0
for data in "$source"/examples/CTR_BahnDaten_Beispielbahn.txt "$source"/examples/CTR_WagenDaten_Beispielzug.txt \
            "$source"/tests/golden/ride-rewrite-*.txt "$source"/tests/golden/car-rewrite-*.txt; do
  case $(basename "$data") in
    *Bahn*|ride-*) kind=ride file=CTR_BahnDaten_Beispielbahn.txt ;;
    *) kind=car file=CTR_WagenDaten_Beispielbahn.txt ;;
  esac
  name=$(basename "$data" .txt)
  # The file as made, kept aside: the rewrite below replaces the one in the folder.
  umlauts <"$data" >"$name.txt"
  grep -q $'\xDF\|\xC4' "$name.txt" || fail "$name holds no letter beyond ASCII"
  mkdir "$name.made"
  cp "$name.txt" "$name.made/$file"
  [ $kind = car ] && cp "$source"/examples/*.ovl "$name.made/"
  results $kind "$name.made" "$file"
  for saved in lf mixed utf8 utf8_bom utf8_bom_lf; do
    folder=$name.$saved
    mkdir "$folder"
    $saved <"$name.txt" >"$folder/$file"
    cmp -s "$folder/$file" "$name.txt" && fail "$folder is the file it was made from"
    [ $kind = car ] && cp "$source"/examples/*.ovl "$folder/"
    results $kind "$folder" "$file"
    for result in dump common.ovl unique.ovl rewrite; do
      cmp "$name.made.$result" "$folder.$result" || fail "$folder: its $result differs from the Windows-1252 file's"
    done
    cases=$((cases + 1))
  done
done

# A letter that Windows-1252 cannot hold is an error naming its line and code point.
mkdir polish
utf8 <"$source"/examples/CTR_BahnDaten_Beispielbahn.txt | sed 's/Beispielbahn Deluxe/Kolejka \xC5\x81\xC3\xB3d\xC5\xBA/' \
  >polish/CTR_BahnDaten_Beispielbahn.txt
if check=$(zw ride check polish/CTR_BahnDaten_Beispielbahn.txt 2>&1); then fail "ride check found no error: $check"; fi
grep -q "Zeile 10: das Zeichen U+0141 kann in Windows-1252 nicht geschrieben werden" <<<"$check" || fail "ride check: $check"
grep -q "U+017A" <<<"$check" || fail "ride check: $check"
read=$(zw ride read polish/CTR_BahnDaten_Beispielbahn.txt 2>&1) || fail "ride read: $read"
grep -q "U+0141" <<<"$read" || fail "ride read gives no warning: $read"
echo "$cases files saved as editors save them read, rewrite and build as the files they were made from"
