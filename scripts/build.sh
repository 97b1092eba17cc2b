#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour>: native (default) or sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-native}
case "$flavour" in
  native)   extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) extra=(-DCMAKE_BUILD_TYPE=Debug -DZW_SANITIZE=ON) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "build/$flavour" -G Ninja "${extra[@]}" "${launcher[@]}" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)"
