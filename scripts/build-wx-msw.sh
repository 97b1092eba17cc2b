#!/usr/bin/env bash
# wxWidgets for the Windows build: Debian's own source package of the wx version the Linux build uses,
# cross-built with mingw-w64 as static libraries (MSW port), with libpng cross-built from Debian's
# source package the same way so the program can write PNG files. The result is installed into a cache
# outside the checkout, named after the version and a hash of everything that shapes it, so only the
# first run on a machine pays for it:
#   ${ZW_CACHE_DIR:-/var/cache/zorbaltwerk}/wx-<version>-msw-<hash>
# Usage: scripts/build-wx-msw.sh [--print-dir]
#   prints the installed folder as its last line (its bin/wx-config is what CMake is given);
#   --print-dir only prints the folder it would use, building nothing.
# Run as root on Debian 12: a deb-src entry for the machine's suites and the build tools are added.
set -euo pipefail
cd "$(dirname "$0")/.."
print_only=0
[ "${1:-}" = "--print-dir" ] && print_only=1

triple=x86_64-w64-mingw32
cc=$triple-gcc-posix
cxx=$triple-g++-posix
jobs=${ZW_JOBS:-2}
cache_root=${ZW_CACHE_DIR:-/var/cache/zorbaltwerk}

installed_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true; }

# The wx version is the one the Linux build links. libpng is the newest Debian offers for this suite
# when the cache is made (recorded in recipe.txt, not in the name, so a security update of it does
# not make every machine build wx again).
scripts/setup-debian.sh g++-mingw-w64-x86-64-posix >/dev/null
wx_version=$(installed_version libwxgtk3.2-dev)
if [ -z "$wx_version" ]; then
  echo "build-wx-msw: cannot tell the wxWidgets version of the Linux build (libwxgtk3.2-dev)" >&2
  exit 1
fi

# Only what the desktop program links: the core and base libraries. The +dfsg source has no bundled
# png, jpeg, tiff or expat; PNG comes from the libpng built here, zlib from Debian's mingw-w64 zlib.
wx_flags=(--host=$triple --with-msw --disable-shared --with-libpng=sys --without-libjpeg --without-libtiff
  --without-expat --without-regex --with-zlib=sys --without-opengl --disable-svg --disable-xrc
  --disable-webview --disable-mediactrl --disable-richtext --disable-stc --disable-propgrid
  --disable-ribbon --disable-html --disable-aui --enable-precomp-headers)
png_flags=(--host=$triple --disable-shared --enable-static)
compiler=$($cxx --version | head -n 1)
recipe="wx=$wx_version compiler=$compiler wx_flags=${wx_flags[*]} png_flags=${png_flags[*]} cflags=-O2 script=2"
hash=$(printf '%s' "$recipe" | sha256sum | cut -c1-12)
upstream=${wx_version%%+*}
prefix=$cache_root/wx-$upstream-msw-$hash
if [ $print_only = 1 ]; then
  echo "$prefix"
  exit 0
fi
if [ -e "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache_root"
exec 9>"$prefix.lock"
flock 9
if [ -e "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
echo "build-wx-msw: building wxWidgets $wx_version and libpng for $triple into $prefix" >&2

# Debian's source packages: a deb-src twin of the machine's own apt sources (same mirrors and suites).
sources=/etc/apt/sources.list.d/zorbaltwerk-deb-src.sources
if ! apt-cache showsrc wxwidgets3.2 2>/dev/null | grep -q "^Version: $wx_version\$"; then
  if [ ! -e "$sources" ]; then
    if [ -e /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$sources"
    else
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/zorbaltwerk-deb-src.list
    fi
  fi
  apt-get update -qq
fi
scripts/setup-debian.sh dpkg-dev libz-mingw-w64-dev make >/dev/null

work=$(mktemp -d "${TMPDIR:-/var/tmp}/zw-wx-msw.XXXXXX")
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
cd "$work"
# apt-get runs as root here; the download sandbox user cannot write to the temporary folder.
chmod 755 "$work"
# The newest libpng source that the mirrors serve (a security pool may list one it does not carry).
fetched=0
for version in $(apt-cache showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -r -V); do
  if apt-get source -qq "libpng1.6=$version" >/dev/null 2>&1; then fetched=1; break; fi
done
[ $fetched = 1 ] || { echo "build-wx-msw: no libpng1.6 source package could be fetched" >&2; exit 1; }
apt-get source -qq "wxwidgets3.2=$wx_version" >/dev/null

(
  cd libpng1.6-*/
  ./configure "${png_flags[@]}" --prefix="$prefix" CC=$cc CFLAGS=-O2 >configure.log 2>&1 \
    || { tail -n 30 configure.log >&2; exit 1; }
  make -j"$jobs" >make.log 2>&1 || { tail -n 30 make.log >&2; exit 1; }
  make install >/dev/null
)

(
  cd wxwidgets3.2-*/
  mkdir build-msw && cd build-msw
  ../configure "${wx_flags[@]}" --prefix="$prefix" CC=$cc CXX=$cxx CFLAGS=-O2 CXXFLAGS=-O2 \
    CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" >configure.log 2>&1 \
    || { tail -n 30 configure.log >&2; exit 1; }
  make -j"$jobs" >make.log 2>&1 || { tail -n 30 make.log >&2; exit 1; }
  make install >/dev/null
)

# The licence texts of what is linked into the program travel with it (scripts/package.sh).
mkdir -p "$prefix/licences"
cp wxwidgets3.2-*/docs/licence.txt "$prefix/licences/wxWidgets-licence.txt"
cp wxwidgets3.2-*/docs/lgpl.txt "$prefix/licences/wxWidgets-lgpl.txt" 2>/dev/null || true
cp libpng1.6-*/LICENSE "$prefix/licences/libpng-LICENSE.txt"
printf '%s\nlibpng=%s\n' "$recipe" "$(basename "$(ls -d libpng1.6-*/)")" >"$prefix/recipe.txt"
touch "$prefix/.complete"
echo "$prefix"
