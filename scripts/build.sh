#!/usr/bin/env bash
# Installs what is missing, then configures and builds the project into build/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/ensure-packages.sh"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$top" -B "$top/build" -DMOROVAN_WERROR="$werror" >/dev/null
cmake --build "$top/build" -j "$(nproc)"
