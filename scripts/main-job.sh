#!/usr/bin/env bash
# The main job: set up, build, and run the command-line program on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh native
scripts/run-example.sh "$PWD/build/example-run" "$PWD/examples" "$PWD/build/native/zorbaltwerk-cli"
