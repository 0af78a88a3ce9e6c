#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a
# fixed number of inputs from seeds the game itself writes.
#   scripts/fuzz.sh [TARGET...]      targets: record_file record_path settings cp932 wave
#   MOROVAN_FUZZ_RUNS=N              inputs per target (default: about a minute's worth each)
# A crash input is left in build-fuzz/findings/TARGET/; once mended, keep it in
# fuzz/regressions/TARGET/, where CTest replays it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
all=(record_file record_path settings cp932 wave)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
if ! command -v clang++ >/dev/null; then
  "$top/scripts/ensure-packages.sh"
fi
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang is not installed; no fuzz run" >&2
  exit 0
fi

out=$top/build-fuzz
"$top/scripts/ensure-packages.sh"
CC=clang CXX=clang++ cmake -S "$top" -B "$out" -DMOROVAN_FUZZ=ON >/dev/null
cmake --build "$out" -j "$(nproc)" --target morovan-fuzz-seeds morovan_sounds \
  "${targets[@]/#/morovan_fuzz_}"

# Seeds: what the game writes, the test record, and its two shortest sounds.
seeds=$out/seeds
rm -rf "$seeds"
"$out/fuzz/morovan-fuzz-seeds" "$seeds"
cp "$top/tests/computer/data/tiny.棋譜" "$seeds/record_file/"
cp "$top/tests/computer/data/tiny.棋譜" "$seeds/record_path/"
mkdir -p "$seeds/wave"
cp "$out/run/旗立.wav" "$out/run/駒打音.wav" "$seeds/wave/"

export SDL_AUDIODRIVER=dummy
# The targets write a file per input; on a memory file system that costs nothing.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$top/scripts/lsan-suppressions.txt:print_suppressions=0
for t in "${targets[@]}"; do
  corpus=$out/corpus/$t findings=$out/findings/$t
  mkdir -p "$corpus" "$findings"
  case $t in
    record_file) runs=150000 maxlen=20000 ;;
    record_path) runs=50000 maxlen=20000 ;;
    settings) runs=200000 maxlen=4096 ;;
    cp932) runs=200000 maxlen=4096 ;;
    wave) runs=1000000 maxlen=16384 ;;
    *) echo "fuzz: no target $t" >&2; exit 2 ;;
  esac
  runs=${MOROVAN_FUZZ_RUNS:-$runs}
  echo "fuzz: $t, $runs inputs"
  "$out/fuzz/morovan_fuzz_$t" -runs="$runs" -seed=1 -max_len=$maxlen -timeout=20 \
    -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 \
    "$corpus" "$seeds/$t" 2>"$out/fuzz-$t.log" ||
    { tail -40 "$out/fuzz-$t.log"; echo "fuzz: $t found a fault, input in $findings" >&2; exit 1; }
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$out/fuzz-$t.log" | tr '\n' ' '
  echo
done
