#!/usr/bin/env bash
# The packages people download, made into dist/ from the native and the Windows build:
#   zorbaltwerk-<version>-windows-x64.zip   zorbaltwerk.exe and zorbaltwerk-cli.exe, data/, examples/, locale/,
#                                           the guide as README.html with its pictures (docs/guide.md), the
#                                           licences of what is linked in
#   zorbaltwerk_<version>_amd64.deb         made with CPack (cmake/Packaging.cmake), the guide in
#                                           /usr/share/doc/zorbaltwerk
# Then tests/packages.sh unpacks each and runs the main job from there.
# Usage: scripts/package.sh (as root on a fresh Debian 12: missing packages are installed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh g++-mingw-w64-x86-64-posix wine64 fonts-wine zip unzip dpkg-dev
scripts/build.sh native
scripts/build.sh windows
version=$(sed -n 's/^project(Zorbaltwerk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
wx_prefix=$(scripts/build-wx-msw.sh | tail -n 1)
mkdir -p dist

# The zip: one folder, so unpacking it anywhere gives a portable copy.
name=zorbaltwerk-$version-windows-x64
stage=build/package/$name
rm -rf build/package
mkdir -p "$stage/licences"
cp build/windows/zorbaltwerk.exe build/windows/zorbaltwerk-cli.exe "$stage/"
x86_64-w64-mingw32-strip "$stage"/*.exe
cp -r data "$stage/data"
# The toolkit's German texts, which the program loads from beside itself (copied by the build).
mkdir -p "$stage/locale/de/LC_MESSAGES"
cp build/windows/locale/de/LC_MESSAGES/wxstd.mo "$stage/locale/de/LC_MESSAGES/"
cp -r examples "$stage/examples"
/usr/bin/python3 packaging/guide-html.py docs/guide.md "$stage"  # README.html, with Debian's python3-markdown
cp "$wx_prefix"/licences/* "$stage/licences/"
cp /usr/share/doc/libz-mingw-w64/copyright "$stage/licences/zlib-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licences/mingw-w64-runtime-copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/gcc-runtime-copyright.txt"
# Windows users open text files in Notepad: CR LF line ends.
for file in "$stage"/licences/*.txt; do sed -i 's/\r*$/\r/' "$file"; done
rm -f "dist/$name.zip"
(cd build/package && zip -qr -X "../../dist/$name.zip" "$name")
echo "dist/$name.zip"

# The .deb, from the native build.
(cd build/native && cpack -G DEB >/dev/null)
echo "dist/zorbaltwerk_${version}_amd64.deb"

tests/packages.sh "dist/$name.zip" "dist/zorbaltwerk_${version}_amd64.deb"
