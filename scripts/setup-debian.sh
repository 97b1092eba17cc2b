#!/usr/bin/env bash
# Installs with apt-get whatever the build needs and is missing (Debian 12, run as root).
# Usage: scripts/setup-debian.sh [extra package ...]
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgtest-dev libwxgtk3.2-dev wx3.2-i18n libpng-dev xvfb xauth python3-markdown "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
