#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour> (the presets of CMakePresets.json):
# native (default), sanitize, windows (x86_64 .exe files made with mingw-w64), or fuzz (the libFuzzer
# targets of tests/fuzz with clang, no desktop program and no test suites).
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-native}
case "$flavour" in
  native|sanitize|windows|fuzz) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
wx=()
if [ "$flavour" = windows ]; then
  # The desktop program for Windows links the static MSW wx of scripts/build-wx-msw.sh (made once per
  # machine, then taken from its cache).
  wx_prefix=$(scripts/build-wx-msw.sh | tail -n 1)
  wx=(-DwxWidgets_CONFIG_EXECUTABLE="$wx_prefix/bin/wx-config")
fi
cmake --preset "$flavour" "${launcher[@]}" "${wx[@]}" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)"
