#!/usr/bin/env bash
# The real game under its own Xvfb display plays a move, is sent SIGTERM and must
# end cleanly with the game in progress kept as 中断, its move included.
#   scripts/signal-keep.sh [BUILD_DIR]     (build/ by default)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
source "$top/scripts/own-display.sh" "$build"

# With its sounds beside it the game keeps its games in 棋譜 there.
source "$top/scripts/game-folder.sh"

startGame

# 対局 → 先手, its message box closed, then the pawn of file 5 one square up;
# the centre of cell (col, row) lies at ((1050 + 495·col + 247) / 15,
# 20 + (100 + 615·row + 307) / 15).
cell() { echo $(((1050 + 495 * $1 + 247) / 15)) $((20 + (100 + 615 * $2 + 307) / 15)); }
xdotool mousemove 20 8 click 1 sleep 0.5 mousemove 40 30 click 1 sleep 0.5 key Return sleep 0.3
xdotool mousemove $(cell 5 7) click 1 sleep 0.2 mousemove $(cell 5 6) click 1
sleep 3  # the computer's reply, paced as a player sees it

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status on SIGTERM"
kept=(棋譜/*.棋譜)
[ -f "${kept[0]}" ] && [ ${#kept[@]} -eq 1 ] || fail "no game kept on SIGTERM"
name=$(head -n 1 "${kept[0]}" | iconv -f CP932 -t UTF-8 | tr -d '\r')
entries=$(($(wc -l <"${kept[0]}") - 3))
[ "$name" = "中断" ] || fail "the game was kept as '$name', not as 中断"
[ "$entries" -ge 2 ] || fail "the kept game holds $entries positions, not the move played"
echo "signal-keep: SIGTERM mid-game kept ${kept[0]##*/} as 中断 with $entries positions"
