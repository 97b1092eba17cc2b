#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, headless:
#   scripts/wine-run.sh [--game-key] PREFIX PROGRAM.exe [ARG ...]
# PREFIX is a Wine prefix of the build's own (build/windows/wineprefix), created on first use
# without a display and without the Mono/Gecko installers: a bare Windows.
# --game-key runs the program in a copy of that prefix (PREFIX-gamekey) to which the game's
# registry key was added in the 32-bit view, as the game's installer leaves it on 64-bit Windows.
# The program then sees ZW_WINE_REGISTRY_KEY and ZW_WINE_REGISTRY_VALUE, so the registry tests
# know that the key is there and do not pass vacuously.
set -euo pipefail
game_key=0
if [ "${1:-}" = "--game-key" ]; then game_key=1; shift; fi
if [ $# -lt 2 ]; then
  echo "usage: $0 [--game-key] PREFIX PROGRAM.exe [ARG ...]" >&2
  exit 2
fi
prefix=$1
shift

# The 64-bit loader: Debian's wine64 package installs it as /usr/lib/wine/wine64.
wine=
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then wine=$candidate; break; fi
done
if [ -z "$wine" ]; then
  echo "wine-run: no wine64 found (Debian: apt-get install wine64)" >&2
  exit 127
fi
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

export WINEARCH=win64 WINEDEBUG=-all WINELOADER=$wine
unset DISPLAY WAYLAND_DISPLAY

registry_key='HKLM\Software\Atari\RCT3'
registry_value='C:\Games\RCT3'

# Runs "$@" once per prefix, under a lock: tests run in parallel and share the prefixes.
prepare_once() {
  local target=$1
  shift
  [ -e "$target/.zw-ready" ] && return 0
  mkdir -p "$(dirname "$target")"
  (
    flock 9
    if [ ! -e "$target/.zw-ready" ]; then
      rm -rf "$target"
      "$@"
      touch "$target/.zw-ready"
    fi
  ) 9>"$target.lock"
}

create_prefix() {
  WINEPREFIX=$1 WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot --init >/dev/null 2>&1
  WINEPREFIX=$1 "$wineserver" -w
}

# A prefix of its own, booted afresh: copying the shared prefix while other tests write their
# temporary files into it (and its wineserver rewrites the registry files) is not safe.
create_gamekey_prefix() {
  create_prefix "$prefix-gamekey"
  WINEPREFIX=$prefix-gamekey "$wine" reg add "$registry_key" /v InstallLocation /d "$registry_value" /reg:32 /f >/dev/null
  WINEPREFIX=$prefix-gamekey "$wineserver" -w
}

prepare_once "$prefix" create_prefix "$prefix"
if [ $game_key = 1 ]; then
  prepare_once "$prefix-gamekey" create_gamekey_prefix
  export WINEPREFIX=$prefix-gamekey ZW_WINE_REGISTRY_KEY=$registry_key ZW_WINE_REGISTRY_VALUE=$registry_value
else
  export WINEPREFIX=$prefix
fi
exec "$wine" "$@"
