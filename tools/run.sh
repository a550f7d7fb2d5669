#!/usr/bin/env bash
# Builds the batch converter and shows the program's main job on the bundled Traditional sample.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tessavia-convert -j "$(nproc)"
echo "Traditional (GBK) sample:"
iconv -f GBK -t UTF-8 tools/sample-traditional.txt
echo "Converted to Simplified:"
build/native/cli/tessavia-convert <tools/sample-traditional.txt | iconv -f GBK -t UTF-8
