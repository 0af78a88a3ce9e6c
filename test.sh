#!/usr/bin/env bash
# Builds Morovan and runs every test through CTest, headless.
#   ./test.sh              into build/
#   ./test.sh --sanitize   into build-sanitize/, with the address, undefined-behaviour
#                          and leak sanitizers, and a longer soak
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
if [ "${1:-}" = "--sanitize" ]; then
  "$top/scripts/build.sh" "$top/build-sanitize" -DMOROVAN_SANITIZE=ON
  source "$top/scripts/sanitizer-env.sh"
  export MOROVAN_SOAK_GAMES=${MOROVAN_SOAK_GAMES:-1000}
  cd "$top/build-sanitize"
else
  "$top/scripts/build.sh"
  cd "$top/build"
fi
ctest --output-on-failure -j "$(nproc)"
