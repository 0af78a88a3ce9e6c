#!/usr/bin/env bash
# Times the game's start-up against a bare Qt main window with a menu bar, and
# measures the game's memory when idle and after a resize to 3x and back.
#   scripts/startup-bench.sh [BUILD_DIR [PAIRS]]
# Runs on its own Xvfb display. Start-up is from exec to the first paint served
# (each program quits there, MOROVAN_QUIT_AT_FIRST_PAINT); the two programs are
# run in interleaved pairs, alternating which goes first, and the medians taken.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
pairs=${2:-21}
MOROVAN_SCREEN=2560x1800x24 source "$top/scripts/own-display.sh" "$build" "$pairs"
# A fresh folder with the sounds: the player's settings and games stay out of it.
source "$top/scripts/game-folder.sh"
bare=$build/bench/morovan_bare_window
export LC_ALL=C.UTF-8

# Milliseconds from exec to the program's "painted" line.
startup_ms() {
  local start line
  start=$EPOCHREALTIME
  { read -r line; } < <(MOROVAN_QUIT_AT_FIRST_PAINT=1 "$1" 2>/dev/null)
  local end=$EPOCHREALTIME
  wait $! 2>/dev/null || true
  [ "$line" = painted ] || { echo "startup-bench: $1 did not paint" >&2; exit 1; }
  echo "$start $end" | awk '{ printf "%.2f\n", ($2 - $1) * 1000 }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of each first, unmeasured, so both start from a warm file cache.
startup_ms "$game" >/dev/null
startup_ms "$bare" >/dev/null
: >$work/times.game
: >$work/times.bare
for ((i = 0; i < pairs; ++i)); do
  if ((i % 2 == 0)); then
    startup_ms "$game" >>$work/times.game
    startup_ms "$bare" >>$work/times.bare
  else
    startup_ms "$bare" >>$work/times.bare
    startup_ms "$game" >>$work/times.game
  fi
done
g=$(median <$work/times.game)
b=$(median <$work/times.bare)
echo "start-up, median of $pairs pairs: game $g ms, bare window $b ms, ratio $(awk -v g="$g" -v b="$b" 'BEGIN { printf "%.2f", g / b }')"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
# Resident memory of a program left idle, and for the game after a resize to 3x
# and back, then at an absurd size. Without a window manager the window is the size the program asks for.
"$bare" 2>/dev/null & pid=$!
xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
sleep 2
echo "bare window idle: $(mb "$(rss_kb "$pid")")"
kill "$pid"; wait "$pid" 2>/dev/null || true

"$game" 2>/dev/null & pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Morovan$' | head -1)
sleep 2
idle=$(rss_kb "$pid")
read -r w h < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
xdotool windowsize "$window" $((w * 3)) $((h * 3)); sleep 2
big=$(rss_kb "$pid")
xdotool windowsize "$window" "$w" "$h"; sleep 2
back=$(rss_kb "$pid")
xdotool windowsize "$window" 20000 20000; sleep 3
huge=$(rss_kb "$pid")
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "game idle: $(mb "$idle"); at 3x: $(mb "$big"); back at start size: $(mb "$back") ($(awk -v a="$back" -v i="$idle" 'BEGIN { printf "%+.0f%%", (a - i) * 100 / i }'))"
echo "game at 20000x20000: $(mb "$huge")"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
