#!/usr/bin/env bash
# Builds Morovan and starts it in build/run, which holds its sounds and Morovan.ini.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$top/scripts/build.sh"
cd "$top/build/run"
exec "$top/build/src/app/morovan" "$@"
