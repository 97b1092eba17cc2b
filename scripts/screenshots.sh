#!/usr/bin/env bash
# Pictures of the windows for the guide (docs/guide.md) (the install window's check tab; the car preview shows the example cars): each window of the desktop program is opened on a
# virtual X display (Xvfb) in a working folder with example settings, and saved as
# docs/screenshots/<window>-<language>.png; with `windows`, the Windows build's zorbaltwerk.exe is
# opened under Wine (on a Wine desktop, which draws title bars and frames as Windows does) and saved as
# docs/screenshots/windows-<window>-<language>.png. The first start's greeting, a message box of the
# system, is photographed from the screen of a program started without options in a German or English
# system: first-start-<language>.png.
# Usage: scripts/screenshots.sh [native|windows] (as root on a fresh machine: missing packages are installed).
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-native}
out=$PWD/docs/screenshots
prefix=
if [ "$flavour" = windows ]; then
  scripts/setup-debian.sh g++-mingw-w64-x86-64-posix wine64 fonts-wine
  scripts/build.sh windows
  program=("$PWD/scripts/wine-run.sh" --display "$PWD/build/windows/wineprefix" "$PWD/build/windows/zorbaltwerk.exe")
  prefix=windows-
  # The game folder as Windows names it.
  game='C:\Program Files (x86)\Atari\RollerCoaster Tycoon 3'
else
  scripts/setup-debian.sh
  # Only the desktop program and the data beside it are needed.
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake --preset native "${launcher[@]}" >/dev/null
  cmake --build build/native --target zorbaltwerk zorbaltwerk-cli zorbaltwerk_data
  program=("$PWD/build/native/zorbaltwerk")
  # The game folder as a ride author playing through Wine has it (it need not exist here).
  game="/home/autor/.wine/drive_c/Programme/Atari/RollerCoaster Tycoon 3"
fi
mkdir -p "$out"
export NO_AT_BRIDGE=1 GDK_BACKEND=x11

# The greeting of a first start: the program runs in an empty working folder until its message box
# is on the (black) screen, which is then photographed and trimmed to the box.
first_start() {  # LOCALE FILE
  local work=$PWD/build/screenshots/$flavour-first-start shot
  rm -rf "$work" && mkdir -p "$work"
  shot=$work/screen.png
  (cd "$work" && LANG=$1 LC_ALL= LC_MESSAGES= xvfb-run -a -s "-screen 0 1280x1024x24 -br" bash -c '
    "$@" &
    program=$!
    for _ in $(seq 60); do
      sleep 1
      xwininfo -root -tree | grep -q "\"Zorbaltwerk\": (" && break
    done
    sleep 2
    import -window root "'"$shot"'"
    kill "$program"
    wait "$program" 2>/dev/null || true
  ' first-start "${program[@]}" --workdir "$work")
  if [ "$flavour" = windows ]; then
    convert "$shot" -trim +repage "$2"
  else
    # As the other pictures: a plain title bar over the box, which the virtual display does not draw.
    convert "$shot" -trim +repage -background '#3c3c3c' -gravity north -splice 0x28 -fill white \
      -font DejaVu-Sans-Bold -pointsize 13 -gravity northwest -annotate +10+6 Zorbaltwerk -bordercolor '#3c3c3c' \
      -border 1 "$2"
  fi
  echo "$2"
}
first_start de_DE.UTF-8 "$out/${prefix}first-start-de.png"
first_start en_GB.UTF-8 "$out/${prefix}first-start-en.png"
for language in Deutsch English; do
  work=$PWD/build/screenshots/$flavour-$language
  rm -rf "$work" && mkdir -p "$work/Bahnen/CTR_Beispielbahn" "$work/Wagen"
  cp examples/CTR_BahnDaten_*.txt "$work/Bahnen/"
  cp examples/CTR_WagenDaten_*.txt examples/*.common.ovl examples/*.unique.ovl "$work/Wagen/"
  printf "'%s'\r\n'%s'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n" "$language" "$game" \
    >"$work/Zorbaltwerk_Options.txt"
  suffix=de
  [ "$language" = English ] && suffix=en
  for window in main options install assistant cars; do
    file=$out/$prefix$window-$suffix.png
    (cd "$work" && xvfb-run -a -s "-screen 0 1280x1024x24" "${program[@]}" --workdir "$work" --screenshot "$window" "$file")
    echo "$file"
  done
  # The install window's tab "Check game folder" (native only): the examples installed into a game
  # folder of its own by the command-line program, with a few faults beside them.
  [ "$flavour" = native ] || continue
  gw=$work-game
  rm -rf "$gw" && mkdir -p "$gw/RCT3/tracks/TrackedRides" "$gw/RCT3/Cars/TrackedRideCars" "$gw/Autor"
  cp examples/* "$gw/Autor/"
  printf "'%s'\r\n'%s'\r\n'AddOns 0'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n" "$language" "$gw/RCT3" \
    >"$gw/Zorbaltwerk_Options.txt"
  # A ride naming a car type that is nowhere.
  sed 's/^WagentypName\t.*/WagentypName\t\t\tWildMouse, Geisterwagen/' examples/CTR_BahnDaten_Beispielbahn.txt \
    >"$gw/Autor/CTR_BahnDaten_Geisterbahn.txt"
  for file in CTR_BahnDaten_Beispielbahn CTR_WagenDaten_Beispielzug CTR_BahnDaten_Geisterbahn; do
    kind=ride
    [[ $file == CTR_WagenDaten_* ]] && kind=car
    build/native/zorbaltwerk-cli --workdir "$gw" $kind install "$gw/Autor/$file.txt" >/dev/null 2>&1
  done
  # A half-installed track set and a leftover of an interrupted install.
  mkdir -p "$gw/RCT3/tracks/TrackedRides/TrackCTR_Halb"
  printf 'x' >"$gw/RCT3/tracks/TrackedRides/TrackCTR_Halb/Loop_data.common.ovl"
  printf 'x' >"$gw/RCT3/Cars/TrackedRideCars/CTR_Beispielzug/CTR_Beispielzug.unique.ovl.zwold"
  file=$out/gamecheck-$suffix.png
  (cd "$gw" && xvfb-run -a -s "-screen 0 1280x1024x24" "${program[@]}" --workdir "$gw" --screenshot gamecheck "$file")
  echo "$file"
done
