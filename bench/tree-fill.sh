#!/usr/bin/env bash
# tree-fill: filling the library tree (10,000 codes in 100 categories, read
# from their lists, offscreen) against cat reading the same list files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
lib=$(generated_library)
read -r ours cat_ms _ < <(QT_QPA_PLATFORM=offscreen "$build/bench/library_bench" tree-fill "$lib" 15 2>/dev/null)
report tree-fill "$ours" cat "$cat_ms" ms
