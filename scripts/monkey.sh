#!/usr/bin/env bash
# The monkey run: the built game under its own Xvfb display receives random
# clicks, menu choices and keys, answering its message boxes as they come. It
# must neither crash nor hang: every exit must be a clean one, and at the end the
# game must still answer Esc by ending.
#   scripts/monkey.sh [BUILD_DIR [SECONDS]]     (build/ and 60 seconds by default)
# A build with the sanitizers is run under them (scripts/sanitizer-env.sh).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
seconds=${2:-60}
source "$top/scripts/own-display.sh" "$build" "$seconds"

source "$top/scripts/game-folder.sh"

RANDOM=${MONKEY_SEED:-1}
events=0 starts=0 pid=
log=$work/game.log

start() {
  "$game" >>"$log" 2>&1 &
  pid=$!
  starts=$((starts + 1))
  windowShows || fail "the window did not appear"
}

fail() {
  echo "monkey: $1 (after $events events, start $starts)" >&2
  tail -60 "$log" >&2
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# An ended game must have ended cleanly (終わり, or 再ゲーム answered No).
checkAlive() {
  kill -0 "$pid" 2>/dev/null && return 0
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the game exited with status $status"
  start
}

keys=(Return Return space Tab BackSpace Up Down Left Right a 1 x Delete Return)
# Appends one random event to `batch`: one xdotool call sends a whole batch, as a
# process per event would cost more than the event.
randomEvent() {
  local r=$((RANDOM % 100)) button=1
  [ $((RANDOM % 4)) -eq 0 ] && button=3
  if [ $r -lt 55 ]; then  # the board, hands and panel
    batch+=(mousemove $((RANDOM % 600)) $((20 + RANDOM % 490)) mousedown $button mouseup $button)
  elif [ $r -lt 80 ]; then  # a menu on the bar, then somewhere in what opens
    batch+=(mousemove $((5 + RANDOM % 260)) 8 mousedown 1 mouseup 1 sleep 0.05)
    batch+=(mousemove $((5 + RANDOM % 400)) $((25 + RANDOM % 180)) mousedown 1 mouseup 1)
  else
    batch+=(key --delay 0 "${keys[RANDOM % ${#keys[@]}]}")
  fi
  events=$((events + 1))
}

start
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  batch=()
  for _ in $(seq 40); do randomEvent; done
  xdotool "${batch[@]}"
  checkAlive
done

# Still answering: close what is open and press Esc on the board until it ends.
for _ in $(seq 40); do
  kill -0 "$pid" 2>/dev/null || break
  xdotool key Return
  sleep 0.2
  xdotool key Escape
  sleep 0.2
  xdotool mousemove 560 480 mousedown 1 mouseup 1
  sleep 0.2
  xdotool key Return key Escape
  sleep 0.3
done
kill -0 "$pid" 2>/dev/null && fail "the game no longer answers (hang)"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status"
echo "monkey: $events events over ${seconds}s, $starts starts, no crash, no hang"
