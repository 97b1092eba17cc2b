#!/usr/bin/env bash
# Pictures of the four windows for the README: each window of the desktop program is opened on a
# virtual X display (Xvfb) in a working folder with example settings, and saved as
# docs/screenshots/<window>-<language>.png. Usage: scripts/screenshots.sh (as root on a fresh machine:
# missing packages are installed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
# Only the desktop program and the data beside it are needed.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake --preset native "${launcher[@]}" >/dev/null
cmake --build build/native --target zorbaltwerk zorbaltwerk_data
program=$PWD/build/native/zorbaltwerk
out=$PWD/docs/screenshots
mkdir -p "$out"
export NO_AT_BRIDGE=1 GDK_BACKEND=x11
for language in Deutsch English; do
  work=$PWD/build/screenshots/$language
  rm -rf "$work" && mkdir -p "$work/Bahnen/CTR_Beispielbahn" "$work/Wagen"
  cp examples/CTR_BahnDaten_*.txt "$work/Bahnen/"
  cp examples/CTR_WagenDaten_*.txt "$work/Wagen/"
  # The game folder as a ride author playing through Wine has it (it need not exist here).
  game="/home/autor/.wine/drive_c/Programme/Atari/RollerCoaster Tycoon 3"
  printf "'%s'\r\n'%s'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n" "$language" "$game" \
    >"$work/Zorbaltwerk_Options.txt"
  suffix=de
  [ "$language" = English ] && suffix=en
  for window in main options install assistant; do
    (cd "$work" && xvfb-run -a -s "-screen 0 1280x1024x24" "$program" --screenshot "$window" "$out/$window-$suffix.png")
    echo "$out/$window-$suffix.png"
  done
done
