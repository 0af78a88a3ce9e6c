#!/usr/bin/env bash
# Builds Morovan and runs every test through CTest, headless.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cd "$top/build"
ctest --output-on-failure -j "$(nproc)"
