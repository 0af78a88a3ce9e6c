#!/usr/bin/env bash
# The hardening run, after ./test.sh: the whole suite under the sanitizers with
# the long soak, every fuzz target for its fixed number of inputs, and the
# monkey run of the real window, plain and under the sanitizers, and the real
# window ended by SIGTERM mid-game, which must keep the game. Prints how long
# each stage took.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
begin=$SECONDS
stage() {
  local name=$1 at=$SECONDS
  shift
  echo "== hardening: $name"
  "$@"
  echo "== hardening: $name took $((SECONDS - at)) s"
}
stage "sanitizer suite" ./test.sh --sanitize
stage "fuzz" scripts/fuzz.sh
stage "monkey" scripts/monkey.sh build 60
stage "monkey under the sanitizers" scripts/monkey.sh build-sanitize 60
stage "SIGTERM mid-game keeps the game" scripts/signal-keep.sh build
stage "a game played from the keyboard alone" scripts/keyboard-game.sh build
echo "== hardening: all stages took $((SECONDS - begin)) s"
