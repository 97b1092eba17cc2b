#!/usr/bin/env bash
# Every test: set up, then build and run the suites natively, with AddressSanitizer+UBSan, and as
# Windows programs under Wine (the command-line program, the desktop program and its GUI suite); then
# the packages are made and tested unpacked (scripts/package.sh). `scripts/test.sh native` runs only
# the native suites (the quick loop while working); `scripts/test.sh windows` only the Windows ones,
# `scripts/test.sh packages` only the packages; `scripts/test.sh fuzz` builds the fuzz targets and runs
# each for 10 seconds (scripts/fuzz.sh), failing on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
flavours=("$@")
[ ${#flavours[@]} -gt 0 ] || flavours=(native sanitize windows packages fuzz)
extra=()
for flavour in "${flavours[@]}"; do
  case "$flavour" in
    windows|packages) extra+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 fonts-wine) ;;
    fuzz) extra+=(clang-14 libclang-rt-14-dev) ;;
  esac
done
scripts/setup-debian.sh "${extra[@]}"
for flavour in "${flavours[@]}"; do
  if [ "$flavour" = fuzz ]; then
    echo "== fuzz build and runs"
    scripts/fuzz.sh 10
    continue
  fi
  if [ "$flavour" = packages ]; then
    echo "== packages"
    scripts/package.sh
    continue
  fi
  echo "== $flavour build"
  scripts/build.sh "$flavour"
  echo "== $flavour tests"
  repeat=()
  # Wine's server can reset a client that connects just as it shuts down ("wine client error:0:
  # recvmsg: Connection reset by peer"); under Wine a failed test runs once more before it counts.
  [ "$flavour" = windows ] && repeat=(--repeat until-pass:2)
  ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)" "${repeat[@]}"
done
