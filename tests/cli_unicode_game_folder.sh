#!/usr/bin/env bash
# A game folder with Cyrillic and Polish letters (as on Russian and Polish systems) is saved in the
# options, read back at the next start, installed into and uninstalled from, and named in messages
# with every letter; under Wine it is also found in the registry at the first start:
#   tests/cli_unicode_game_folder.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$(realpath -m "$1")
source=$(realpath "$2")
shift 2
cli=("$@")
cli[-1]=$(realpath "${cli[-1]}")
# Arguments and output are UTF-8 (Wine takes its arguments in the locale's encoding).
export LC_ALL=C.UTF-8

fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
game="Игры/RollerCoaster Tycoon 3 – Łódź"
mkdir -p "$work/$game/tracks/TrackedRides" "$work/Bahnen"
cd "$work"
cp "$source/examples/CTR_BahnDaten_Beispielbahn.txt" Bahnen/
zw() { "${cli[@]}" --workdir . "$@"; }

zw --yes options set --german --no-addons --game-path "$game" >/dev/null 2>&1 || fail "options set"
[ "$(head -c 3 Zorbaltwerk_Options.txt)" = $'\xEF\xBB\xBF' ] || fail "the options file is not UTF-8: $(od -c Zorbaltwerk_Options.txt | head -3)"
shown=$(zw options show 2>&1 | tr -d '\r')
grep -q "(confirmed)" <<<"$shown" || fail "the options were not read back: $shown"
grep -q "game path: Игры.RollerCoaster Tycoon 3 – Łódź$" <<<"$shown" || fail "options show: $shown"

zw --overwrite ride install Bahnen/CTR_BahnDaten_Beispielbahn.txt >/dev/null 2>&1 || fail "ride install"
installed="$game/tracks/TrackedRides/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl"
cmp "$installed" Bahnen/CTR_Beispielbahn/CTR_Beispielbahn.common.ovl || fail "nothing installed in $game: $(find . | head)"
[ "$(zw list rides | tr -d '\r')" = CTR_Beispielbahn ] || fail "list rides: $(zw list rides 2>&1)"
zw uninstall ride CTR_Beispielbahn >/dev/null 2>&1 || fail "uninstall ride"
[ ! -e "$installed" ] || fail "uninstall left $installed"
echo "saved, read back, installed into and uninstalled from $game"

# Messages name such folders and files with every letter, whatever the code page holds: an
# uninstall, a build folder and a finding of the game-folder check.
odd="Łódź_Игры"
mkdir -p "Bahnen $odd" && cp Bahnen/CTR_BahnDaten_Beispielbahn.txt "Bahnen $odd/" && touch "Bahnen $odd/CTR_Beispielbahn"
touch "$game/tracks/TrackedRides/$odd.txt"
while IFS='|' read -r what expected command; do
  shown=$(eval "zw $command" 2>&1 || true)
  grep -qE -- "$expected" <<<"$shown" || fail "$what does not show $expected: $shown"
done <<CASES
uninstall|CTR_$odd|uninstall ride "CTR_$odd"
build folder|Bahnen $odd[/\]CTR_Beispielbahn|--yes ride build "Bahnen $odd/CTR_BahnDaten_Beispielbahn.txt"
game-folder check|: $odd\.txt |doctor
CASES
echo "messages name $odd with every letter"

# Under Wine: the first start finds the folder in the registry (the key as the game's installer
# writes it, 32-bit view), in a prefix of its own.
if [[ ${#cli[@]} -ge 3 && ${cli[0]} == *wine-run.sh ]]; then
  wine_run=${cli[0]} prefix=${cli[1]}-unicode-key
  windows_game='C:\Игры\RollerCoaster Tycoon 3 – Łódź'
  "$wine_run" "$prefix" reg add 'HKLM\Software\Atari\RCT3' /v InstallLocation /d "$windows_game" /reg:32 /f >/dev/null 2>&1 \
    || fail "reg add"
  mkdir first-start
  shown=$("$wine_run" "$prefix" "${cli[-1]}" --workdir first-start options show 2>&1 | tr -d '\r')
  grep -qF "game path: $windows_game" <<<"$shown" || fail "first start: $shown"
  echo "found in the registry: $windows_game"
fi
