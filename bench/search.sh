#!/usr/bin/env bash
# search: the library search over 10,000 codes (~50 MB, the word in ~1 % of
# the files), warm cache, against grep, ripgrep on one thread and with its
# default threads, and a plain read of every file (on one thread); and the
# cost of collecting the rows' tooltip lines. The search reads the files on
# one thread per core.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
lib=$(generated_library)
read -r ours grep_ms rg_ms rg_threads_ms floor_ms _ no_lines_ms < <("$build/bench/library_bench" search "$lib" quokkabrief 7)
report search "$ours" "grep -rilF" "$grep_ms" ms
report search-rg "$ours" "rg -j1" "$rg_ms" ms
report search-rg-threads "$ours" "rg -i -F -l" "$rg_threads_ms" ms
report search-floor "$ours" "read of every file" "$floor_ms" ms
report search-lines "$ours" "the search without tooltip lines" "$no_lines_ms" ms
