#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Tessavia (run as root).
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev python3 time
  g++-mingw-w64-x86-64 wine wine64 xvfb xauth xdotool xclip imagemagick fonts-wqy-zenhei fonts-wine locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
