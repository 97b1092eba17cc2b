#!/usr/bin/env bash
# Remakes the fuzz targets' seeds in tests/fuzz/corpus from the fixture generators and the examples
# (tests/support/programs/make_fuzz_seeds.cpp), with the fuzz build. Read the diff before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh fuzz >/dev/null
rm -rf tests/fuzz/corpus
build/fuzz/tests/fuzz/make_fuzz_seeds . tests/fuzz/corpus >/dev/null
du -sh tests/fuzz/corpus/*
