#!/usr/bin/env bash
# The writers of the command-line program on a disk that is really full: a small tmpfs is mounted,
# earlier files are put on it, it is filled up, and each writer (options, ride and car rewrite, ride
# and car build, install of a ride, a car and a track set, uninstall) runs against it. Each must fail
# with a message (uninstall, which needs no space, must succeed) and leave every earlier file as it
# was, nothing half-written under a final name and no temporary file. Mounting needs root on Linux;
# elsewhere the test says why it is skipped and exits 77 (ctest shows it as skipped).
#   tests/full_disk.sh WORK SOURCE_DIR PROGRAM
set -uo pipefail
work=$1
source=$2
cli=$3

skip() { echo "skipped: $*"; exit 77; }
[ "$(uname -s)" = Linux ] || skip "a tmpfs can be mounted only on Linux"
[ "$(id -u)" = 0 ] || skip "mounting a tmpfs needs root"
rm -rf "$work"
mkdir -p "$work/disk"
mount -t tmpfs -o size=3m tmpfs "$work/disk" 2>/dev/null || skip "mount -t tmpfs is not allowed here"
trap 'cd /; umount "$work/disk"' EXIT
cd "$work/disk"

fail() { echo "FAILED: $*" >&2; exit 1; }
zw() { "$cli" --workdir . "$@" 2>&1; }
# What is on the disk, but the filler and the build's own temporary folder (which a stopped build
# keeps by design; its files are checked for temporary names below).
state() { find . \( -path ./filler -o -path ./Temp \) -prune -o -print | LC_ALL=C sort | while read -r f; do
  if [ -f "$f" ]; then echo "$f $(md5sum <"$f")"; else echo "$f"; fi; done; }

# Earlier files, written while there is room.
mkdir -p RCT3/tracks/TrackedRides RCT3/Cars/TrackedRideCars ride cars
cp "$source"/examples/CTR_BahnDaten_Beispielbahn.txt ride/
cp "$source"/examples/CTR_WagenDaten_Beispielzug.txt "$source"/examples/*.ovl cars/
zw --yes options set --german --no-addons --game-path RCT3 >/dev/null || fail "options set"
zw --overwrite ride build ride/CTR_BahnDaten_Beispielbahn.txt >/dev/null || fail "ride build"
zw --overwrite car build cars/CTR_WagenDaten_Beispielzug.txt >/dev/null || fail "car build"
zw --overwrite install ride/CTR_Beispielbahn >/dev/null || fail "ride install"
mkdir author
cp -r ride/CTR_Beispielbahn author/CTR_Ride && for f in author/CTR_Ride/*; do mv "$f" "${f/CTR_Beispielbahn/CTR_Ride}"; done
cp -r cars/CTR_Beispielzug author/CTR_Car && for f in author/CTR_Car/*; do mv "$f" "${f/CTR_Beispielzug/CTR_Car}"; done
# A track set naming the sections Loop and Drop, and an earlier set of that name with only Loop.
le32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) 0 0)"; }
trackSet() {  # FOLDER SECTION...
  local folder=$1 name table=""
  name=$(basename "$1")
  shift
  mkdir -p "$folder"
  for s in "$@"; do table+="$s:tks\\0"; printf 'section %s' "$s" >"$folder/${s}_data.common.ovl";
    printf 'section %s' "$s" >"$folder/${s}_data.unique.ovl"; done
  { printf 'FGRK'; le32 0; le32 1; le32 0; le32 0; le32 0
    for c in 1 0 2 0 0 0 0 0 0; do le32 $c; done
    le32 $(printf "$table" | wc -c); printf "$table"; le32 0; le32 0; le32 0; } >"$folder/$name.common.ovl"
  printf 'unique' >"$folder/$name.unique.ovl"
}
trackSet author/TrackCTR_Set Loop Drop
trackSet RCT3/tracks/TrackedRides/TrackCTR_Set Loop
# Earlier results marked, so that a file replaced too early shows; data files that a rewrite changes.
for f in ride/CTR_Beispielbahn/* cars/CTR_Beispielzug/* RCT3/tracks/TrackedRides/*/*_data.*.ovl \
         RCT3/tracks/TrackedRides/CTR_*/*; do printf 'earlier' >"$f"; done
printf 'Unbekannt\t1\r\n' >>ride/CTR_BahnDaten_Beispielbahn.txt
printf 'Unbekannt\t1\r\n' >>cars/CTR_WagenDaten_Beispielzug.txt

# Full: whatever still fits goes into one file.
dd if=/dev/zero of=filler bs=4k status=none 2>/dev/null
dd if=/dev/zero of=filler bs=1 oflag=append conv=notrunc status=none 2>/dev/null
before=$(state)

fails() {  # WHAT ARGS...: must stop with a message and change nothing
  local what=$1 out
  shift
  out=$(zw "$@") && fail "$what succeeded on a full disk"
  [ -n "$out" ] || fail "$what stopped without a message"
  [ "$(state)" = "$before" ] || fail "$what changed the disk: $(diff <(echo "$before") <(state))"
  echo "$what: ${out##*$'\n'}"
}
fails "options" --yes options set --english --no-addons --game-path RCT3
fails "ride rewrite" --yes --overwrite ride rewrite ride/CTR_BahnDaten_Beispielbahn.txt
fails "car rewrite" --yes --overwrite car rewrite cars/CTR_WagenDaten_Beispielzug.txt
fails "ride build" --overwrite ride build ride/CTR_BahnDaten_Beispielbahn.txt
fails "car build" --overwrite car build cars/CTR_WagenDaten_Beispielzug.txt
fails "ride install" --overwrite install author/CTR_Ride
fails "car install" --overwrite install author/CTR_Car
fails "track set install" --overwrite install author/TrackCTR_Set

# Deleting needs no room: uninstall works on the full disk and leaves nothing.
zw uninstall track TrackCTR_Set >/dev/null || fail "uninstall track on a full disk"
zw uninstall ride CTR_Beispielbahn >/dev/null || fail "uninstall ride on a full disk"
[ -z "$(ls RCT3/tracks/TrackedRides)" ] || fail "uninstall left $(ls -A RCT3/tracks/TrackedRides)"
[ -z "$(find . -name '*.zw*')" ] || fail "temporary files left: $(find . -name '*.zw*')"
echo "every writer failed cleanly on the full disk"
