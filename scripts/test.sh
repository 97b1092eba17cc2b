#!/usr/bin/env bash
# Every test: set up, then build and run the suites natively, with AddressSanitizer+UBSan, and as
# Windows programs under Wine. `scripts/test.sh native` runs only the native suites (the quick
# loop while working); `scripts/test.sh windows` only the Windows ones.
set -euo pipefail
cd "$(dirname "$0")/.."
flavours=("$@")
[ ${#flavours[@]} -gt 0 ] || flavours=(native sanitize windows)
extra=()
for flavour in "${flavours[@]}"; do
  [ "$flavour" = windows ] && extra=(g++-mingw-w64-x86-64-posix wine64)
done
scripts/setup-debian.sh "${extra[@]}"
for flavour in "${flavours[@]}"; do
  echo "== $flavour build"
  scripts/build.sh "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
done
