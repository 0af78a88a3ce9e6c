# Sourced before running anything built with the sanitizers: stop at the first
# error, report leaks at exit, and leave out the toolkit's own (see the file).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/lsan-suppressions.txt:print_suppressions=0
