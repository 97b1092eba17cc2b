#!/usr/bin/env bash
# The downloadable packages work where a user unpacks them: each is unpacked into a temporary folder
# and the main job runs from there (the .exe files under Wine); the installed .deb keeps its options
# in the per-user folder, the unpacked zip (a portable copy) beside the program; both desktop programs
# start and find their data.
#   tests/packages.sh ZIP DEB
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zip=$(realpath "$1")
deb=$(realpath "$2")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
has() { [ -e "$1" ] || fail "${1#"$tmp"/} is missing"; }
said() { grep -v -e '^(zorbaltwerk:[0-9]*): ' -e '^$' "$1" || true; }
on_display() { xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }
export NO_AT_BRIDGE=1 GDK_BACKEND=x11
options="'English'"

echo "== $(basename "$deb")"
dpkg-deb -x "$deb" "$tmp/deb"
usr=$tmp/deb/usr
for file in bin/zorbaltwerk bin/zorbaltwerk-cli share/zorbaltwerk/assistant/track_catalogue.txt \
            share/zorbaltwerk/examples/CTR_BahnDaten_Beispielbahn.txt share/applications/zorbaltwerk.desktop \
            share/icons/hicolor/256x256/apps/zorbaltwerk.png share/doc/zorbaltwerk/README.html; do
  has "$usr/$file"
done
dpkg-deb -f "$deb" Depends | grep -q libwx || fail "the .deb does not depend on the wx libraries"
/usr/bin/python3 "$root/tests/doc_links.py" page "$usr/share/doc/zorbaltwerk/README.html" || fail "the guide's links in the .deb"
"$root/scripts/run-example.sh" "$tmp/deb-run" "$usr/share/zorbaltwerk/examples" "$usr/bin/zorbaltwerk-cli" >/dev/null
# Installed: the options go to the per-user folder, which the desktop program then finds too (its
# assistant opens without a message, so its lists were found in share/zorbaltwerk).
home=$tmp/home
mkdir -p "$home"
user=(env -u XDG_DATA_HOME HOME="$home")
"${user[@]}" "$usr/bin/zorbaltwerk-cli" --yes options set --english --game-path "$tmp/RCT3"
has "$home/.local/share/zorbaltwerk/Zorbaltwerk_Options.txt"
[ ! -e "$usr/bin/Zorbaltwerk_Options.txt" ] || fail "the installed program kept its options beside itself"
"${user[@]}" "$usr/bin/zorbaltwerk-cli" options show | grep -q "^options file: $home/.local/share/zorbaltwerk/" \
  || fail "options show does not name the per-user folder"
on_display "${user[@]}" "$usr/bin/zorbaltwerk" --screenshot assistant "$tmp/deb-assistant.png" 2>"$tmp/deb.err" \
  || fail "the installed desktop program: $(cat "$tmp/deb.err")"
[ -z "$(said "$tmp/deb.err")" ] || fail "the installed desktop program said: $(said "$tmp/deb.err")"

echo "== $(basename "$zip")"
unzip -q "$zip" -d "$tmp/zip"
folder=$(echo "$tmp"/zip/zorbaltwerk-*-windows-x64)
for file in zorbaltwerk.exe zorbaltwerk-cli.exe data/assistant/track_catalogue.txt \
            examples/CTR_BahnDaten_Beispielbahn.txt README.html licences/wxWidgets-licence.txt \
            licences/zlib-copyright.txt licences/mingw-w64-runtime-copyright.txt licences/gcc-runtime-copyright.txt; do
  has "$folder/$file"
done
/usr/bin/python3 "$root/tests/doc_links.py" page "$folder/README.html" || fail "the guide's links in the zip"
has "$folder/locale/de/LC_MESSAGES/wxstd.mo"  # the toolkit's German stock buttons
bash "$root/tests/windows_imports.sh" x86_64-w64-mingw32-objdump "$folder/zorbaltwerk.exe"
wine=("$root/scripts/wine-run.sh" "$root/build/windows/wineprefix")
"$root/scripts/run-example.sh" "$tmp/zip-run" "$folder/examples" "${wine[@]}" "$folder/zorbaltwerk-cli.exe" >/dev/null
# A portable copy keeps its options beside the program; the desktop program starts with them.
"${wine[@]}" "$folder/zorbaltwerk-cli.exe" --yes options set --english --game-path 'C:\RCT3'
has "$folder/Zorbaltwerk_Options.txt"
head -c ${#options} "$folder/Zorbaltwerk_Options.txt" | grep -q "$options" || fail "unexpected options file"
on_display "$root/scripts/wine-run.sh" --display "$root/build/windows/wineprefix" "$folder/zorbaltwerk.exe" \
  --screenshot assistant "$tmp/zip-assistant.png" 2>"$tmp/zip.err" || fail "zorbaltwerk.exe: $(cat "$tmp/zip.err")"
[ -z "$(said "$tmp/zip.err")" ] || fail "zorbaltwerk.exe said: $(said "$tmp/zip.err")"
echo "packages checked: the zip and the .deb"
