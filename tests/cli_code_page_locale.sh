#!/usr/bin/env bash
# The Windows build on Polish and Russian systems (Wine in a pl_PL or ru_RU locale, so the ANSI code
# page is Windows-1250 or Windows-1251): a data file in that code page builds a pair holding its
# bytes, its name becomes the object name in that code page, and a UTF-8 file is converted to it:
#   tests/cli_code_page_locale.sh WORK SOURCE_DIR WINE_RUN PREFIX PROGRAM.exe
# The locales are made into WORK with localedef (no system locale is needed).
set -euo pipefail
work=$(realpath -m "$1")
source=$(realpath "$2")
wine_run=$3
prefix=$4
program=$(realpath "$5")

fail() { echo "FAILED: $*" >&2; exit 1; }
command -v localedef >/dev/null || { echo "skipped: no localedef to make the locales"; exit 77; }
rm -rf "$work"
mkdir -p "$work/locale"
for locale in pl_PL ru_RU; do
  localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8" 2>/dev/null || [ -d "$work/locale/$locale.UTF-8" ] \
    || { echo "skipped: localedef cannot make $locale.UTF-8"; exit 77; }
done

# LOCALE NAME CODE-PAGE-NAME (Windows-1250 text) (UTF-8 text): one system's case, in a prefix of its own.
system_case() {
  local locale=$1 name=$2 code_page=$3 text_cp=$4 text_utf8=$5
  local folder=$work/$locale
  mkdir -p "$folder/Bahnen"
  cd "$folder"
  zw() { LOCPATH=$work/locale LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 "$wine_run" "$prefix-$locale" "$program" --workdir . "$@"; }
  local file=Bahnen/CTR_BahnDaten_$name.txt
  # The example with its name in the code page.
  LC_ALL=C sed "s/Beispielbahn Deluxe/$text_cp/" "$source/examples/CTR_BahnDaten_Beispielbahn.txt" >"$file"
  zw --yes options set --german --no-addons --game-path RCT3 >/dev/null 2>&1 || fail "$locale: options set"
  zw --overwrite ride build "$file" >/dev/null 2>&1 || fail "$locale: ride build"
  local object=CTR_$name
  local pair=Bahnen/$object/$object.common.ovl
  [ -s "$pair" ] || fail "$locale: no pair $pair: $(ls -R Bahnen)"
  local object_cp
  object_cp=$(printf '%s' "$object" | iconv -f UTF-8 -t "$code_page")
  # The ride's name is stored as 16-bit units, each the code of its 8-bit character.
  local units
  units=$(printf '%s' "$text_cp" | od -An -v -tx1 | tr -d ' \n' | sed 's/../&00/g')
  od -An -v -tx1 "$pair" | tr -d ' \n' | grep -q "$units" || fail "$locale: the pair does not hold the ride's name in $code_page"
  LC_ALL=C grep -q "$object_cp" "$pair" || fail "$locale: the pair does not name $object in $code_page"
  cp "$pair" made-from-code-page.ovl

  # The same file in UTF-8 is converted to the code page: the same pair.
  LC_ALL=C sed "s/Beispielbahn Deluxe/$text_utf8/" "$source/examples/CTR_BahnDaten_Beispielbahn.txt" >"$file"
  local check
  check=$(zw ride check "$file" 2>&1 | tr -d '\r') || true
  grep -q "nach Windows-${code_page#WINDOWS-} umgewandelt" <<<"$check" || fail "$locale: ride check: $check"
  grep -q "kann in" <<<"$check" && fail "$locale: ride check names a character it cannot convert: $check"
  zw --overwrite ride build "$file" >/dev/null 2>&1 || fail "$locale: ride build of the UTF-8 file"
  cmp "$pair" made-from-code-page.ovl || fail "$locale: the UTF-8 file built another pair"
  echo "$locale: $code_page file and UTF-8 file build the same pair, named $object"
}

system_case pl_PL "Łódź" WINDOWS-1250 $'Kolejka \xA3\xF3d\x9F' 'Kolejka Łódź'
system_case ru_RU "Горки" WINDOWS-1251 $'\xC0\xEC\xE5\xF0\xE8\xEA\xE0\xED\xF1\xEA\xE8\xE5 \xE3\xEE\xF0\xEA\xE8' 'Американские горки'
