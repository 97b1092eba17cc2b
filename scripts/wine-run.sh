#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, headless:
#   scripts/wine-run.sh [--game-key | --display] PREFIX PROGRAM.exe [ARG ...]
# PREFIX is a Wine prefix of the build's own (build/windows/wineprefix), created on first use
# without a display and without the Mono/Gecko installers: a bare Windows.
# --game-key runs the program in a copy of that prefix (PREFIX-gamekey) to which the game's
# registry key was added in the 32-bit view, as the game's installer leaves it on 64-bit Windows.
# The program then sees ZW_WINE_REGISTRY_KEY and ZW_WINE_REGISTRY_VALUE, so the registry tests
# know that the key is there and do not pass vacuously.
# --display runs a program with windows on the X display in $DISPLAY (a virtual one of xvfb-run), in a
# prefix of its own (PREFIX-desktop) whose programs share one Wine desktop of 1280x1024 pixels, drawn
# by Wine itself as Windows draws it (title bars, frames) in the light theme. Runs in that prefix
# must not overlap (the tests on a display take a lock); each ends its Wine desktop when done.
set -euo pipefail
game_key=0
display=0
if [ "${1:-}" = "--game-key" ]; then game_key=1; shift; fi
if [ "${1:-}" = "--display" ]; then display=1; shift; fi
if [ $# -lt 2 ]; then
  echo "usage: $0 [--game-key] PREFIX PROGRAM.exe [ARG ...]" >&2
  exit 2
fi
prefix=$(realpath -m "$1")  # Wine takes only an absolute prefix
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
if [ $display = 1 ]; then
  [ -n "${DISPLAY:-}" ] || { echo "wine-run: --display needs an X display (xvfb-run)" >&2; exit 2; }
  unset WAYLAND_DISPLAY
else
  unset DISPLAY WAYLAND_DISPLAY
fi

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

# The desktop prefix: one Wine desktop for every program, and the light theme Wine ships.
create_desktop_prefix() {
  local target=$prefix-desktop
  (unset DISPLAY; create_prefix "$target")
  local reg=(env -u DISPLAY WINEPREFIX="$target" "$wine" reg add)
  "${reg[@]}" 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  "${reg[@]}" 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
  if [ -e "$target/drive_c/windows/resources/themes/light/light.msstyles" ]; then
    local theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    "${reg[@]}" "$theme" /v ThemeActive /d 1 /f >/dev/null
    "${reg[@]}" "$theme" /v DllName /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null
    "${reg[@]}" "$theme" /v ColorName /d NormalColor /f >/dev/null
    "${reg[@]}" "$theme" /v SizeName /d NormalSize /f >/dev/null
  fi
  WINEPREFIX=$target "$wineserver" -w
}

prepare_once "$prefix" create_prefix "$prefix"
if [ $display = 1 ]; then
  prepare_once "$prefix-desktop" create_desktop_prefix
  export WINEPREFIX=$prefix-desktop
  status=0
  "$wine" "$@" || status=$?
  # The Wine desktop outlives the program; it goes with the display, so it is ended here.
  "$wineserver" -k 2>/dev/null || true
  exit $status
fi
if [ $game_key = 1 ]; then
  prepare_once "$prefix-gamekey" create_gamekey_prefix
  export WINEPREFIX=$prefix-gamekey ZW_WINE_REGISTRY_KEY=$registry_key ZW_WINE_REGISTRY_VALUE=$registry_value
else
  export WINEPREFIX=$prefix
fi
exec "$wine" "$@"
