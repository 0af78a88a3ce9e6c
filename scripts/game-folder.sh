# Sourced by the scripts that run the built game on an Xvfb display of their
# own, with `top` and `build` set: sets `game` and `work`, a fresh folder that
# holds the sounds and enters it, so the game reads and writes its settings and
# keeps its games there. The folder goes when the script ends.
game=$build/src/app/morovan
grep -q MOROVAN_SANITIZE:BOOL=ON "$build/CMakeCache.txt" && source "$top/scripts/sanitizer-env.sh"
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build"/run/*.wav "$work/"
export XDG_RUNTIME_DIR=$work
cd "$work"

# True once the game's window shows, false when it has not after ten seconds.
windowShows() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Morovan$' >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Ends the script, saying what failed and what the game printed.
fail() {
  echo "$(basename "$0" .sh): $1" >&2
  cat "$work/game.log" >&2
  exit 1
}

# Starts the game, its output in game.log and its process in `pid`, and waits
# for its window.
startGame() {
  "$game" >"$work/game.log" 2>&1 &
  pid=$!
  windowShows || fail "the window did not appear"
}
