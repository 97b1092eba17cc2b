#!/usr/bin/env bash
# Every test: set up, then build and run the suites natively and with AddressSanitizer+UBSan.
# `scripts/test.sh native` runs only the native suites (the quick loop while working).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
flavours=("${@:-native sanitize}")
for flavour in ${flavours[*]}; do
  echo "== $flavour build"
  scripts/build.sh "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
done
