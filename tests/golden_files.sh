#!/usr/bin/env bash
# The examples' rewrites, dumps, checks, pair listings, pair digests and pictures are compared with the ones
# kept in tests/golden (scripts/update-golden.sh makes those):
#   tests/golden_files.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$1
source=$2
shift 2
"$source/tests/golden_produce.sh" "$work" "$source" "$@"
# The pictures are compared with a tolerance a pixel by the test RenderCli; here only that each is made.
if ! diff -r -x README.md -x pictures "$source/tests/golden" "$work" ||
   ! diff <(ls "$source/tests/golden/pictures") <(ls "$work/pictures"); then
  echo "FAILED: the results differ from tests/golden (scripts/update-golden.sh renews them after a wanted change)" >&2
  exit 1
fi
echo "all $(ls "$work" | wc -l) results equal tests/golden"
