#!/usr/bin/env bash
# api-calls: the API calls of every code of the generated library of 10,000
# codes (~50 MB), found by the highlighter's rules, against reading the same
# files as the search reads them and doing nothing with them; warm cache,
# both on one thread, the two taking turns.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
lib=$(generated_library)
read -r ours read_ms _ < <("$build/bench/library_bench" api-calls "$lib" 11)
report api-calls "$ours" "the search's read of every file" "$read_ms" ms
