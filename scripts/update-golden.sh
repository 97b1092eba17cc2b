#!/usr/bin/env bash
# Renews tests/golden from the native build of the command-line program: run it after a change
# that is meant to change a rewrite, a dump, a check or a built pair, and read the diff before
# committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh native
readme=$(cat tests/golden/README.md)
tests/golden_produce.sh tests/golden . build/native/zorbaltwerk-cli
printf '%s\n' "$readme" >tests/golden/README.md
git status --short tests/golden
