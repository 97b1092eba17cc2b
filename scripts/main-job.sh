#!/usr/bin/env bash
# The main job: set up, build, and run the command-line program on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh native
cli=$PWD/build/native/zorbaltwerk-cli
work=build/example-run
rm -rf "$work" && mkdir -p "$work"
cp examples/CTR_BahnDaten_* "$work"/ 2>/dev/null || true
cp examples/CTR_WagenDaten_* "$work"/ 2>/dev/null || true
"$cli" --help
