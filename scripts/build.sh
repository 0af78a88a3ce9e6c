#!/usr/bin/env bash
# Installs what is missing, then configures and builds the project.
#   scripts/build.sh [BUILD_DIR [CMAKE_OPTION...]]    (BUILD_DIR defaults to build/)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/ensure-packages.sh"
dir=${1:-$top/build}
shift $(($# > 0 ? 1 : 0))
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$top" -B "$dir" -DMOROVAN_WERROR="$werror" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
