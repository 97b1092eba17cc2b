#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour> (the presets of CMakePresets.json):
# native (default), sanitize, or windows (x86_64 .exe files made with mingw-w64).
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-native}
case "$flavour" in
  native|sanitize|windows) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake --preset "$flavour" "${launcher[@]}" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)"
