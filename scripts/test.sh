#!/usr/bin/env bash
# Every test: set up, then build and run the suites natively, with AddressSanitizer+UBSan, and as
# Windows programs under Wine (the command-line program, the desktop program and its GUI suite); then
# the packages are made and tested unpacked (scripts/package.sh). `scripts/test.sh native` runs only
# the native suites (the quick loop while working); `scripts/test.sh windows` only the Windows ones,
# `scripts/test.sh packages` only the packages.
set -euo pipefail
cd "$(dirname "$0")/.."
flavours=("$@")
[ ${#flavours[@]} -gt 0 ] || flavours=(native sanitize windows packages)
extra=()
for flavour in "${flavours[@]}"; do
  case "$flavour" in
    windows|packages) extra=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 fonts-wine) ;;
  esac
done
scripts/setup-debian.sh "${extra[@]}"
for flavour in "${flavours[@]}"; do
  if [ "$flavour" = packages ]; then
    echo "== packages"
    scripts/package.sh
    continue
  fi
  echo "== $flavour build"
  scripts/build.sh "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
done
