#!/usr/bin/env bash
# The real game under its own Xvfb display is played to its end from the
# keyboard alone: Ctrl+1 starts it as 先手, the arrow keys and Return move the
# pawns up file by file until the game is decided, and the kept record must say
# who won.
#   scripts/keyboard-game.sh [BUILD_DIR]     (build/ by default)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
source "$top/scripts/own-display.sh" "$build"

source "$top/scripts/game-folder.sh"
unset LC_ALL LC_MESSAGES
export LANG=en_US.UTF-8

startGame
window=$(xdotool search --onlyvisible --name '^Morovan$' | head -n 1)
# Xvfb has no window manager: the script gives the focus as one would, to the
# window at the start and to each message box as it opens.
xdotool windowfocus --sync "$window"
windows=$(xdotool search --onlyvisible --name '.*' | wc -l)

closeMessages() {
  for _ in 1 2 3; do
    [ "$(xdotool search --onlyvisible --name '.*' | wc -l)" -gt "$windows" ] || return 0
    box=$(xdotool search --onlyvisible --name '.*' | grep -vx "$window" | tail -n 1)
    xdotool windowfocus --sync "$box" key Return
    sleep 1
    kill -0 "$pid" 2>/dev/null && xdotool windowfocus --sync "$window"
  done
}

# The cursor starts on the human's king, column 5 of row 9 (columns count from
# the left as drawn).
col=5 row=9
cursorTo() {
  while [ "$col" -lt "$1" ]; do xdotool key Right; col=$((col + 1)); done
  while [ "$col" -gt "$1" ]; do xdotool key Left; col=$((col - 1)); done
  while [ "$row" -lt "$2" ]; do xdotool key Down; row=$((row + 1)); done
  while [ "$row" -gt "$2" ]; do xdotool key Up; row=$((row - 1)); done
}

xdotool key ctrl+1
sleep 1
closeMessages
moves=0
kept=()
for from in 7 6 5 4 7 6 5 4; do
  for c in 5 3 7 8 2 4 6 1 9; do
    cursorTo "$c" "$from"
    xdotool key Return
    cursorTo "$c" $((from - 1))
    xdotool key Return
    moves=$((moves + 1))
    sleep 2.5  # the computer's reply, paced as a player sees it
    closeMessages
    kept=(棋譜/*.棋譜)
    [ -f "${kept[0]}" ] && break 2
  done
done
[ -f "${kept[0]}" ] || fail "no game decided after $moves moves"
xdotool key Escape
sleep 1
closeMessages
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status"
name=$(head -n 1 "${kept[0]}" | iconv -f CP932 -t UTF-8 | tr -d '\r')
entries=$(($(wc -l <"${kept[0]}") - 3))
case "$name" in
  *の勝ちです | 引き分けです) ;;
  *) fail "the game was kept as '$name', not with a result" ;;
esac
echo "keyboard-game: decided from the keyboard in $entries positions: $name"
