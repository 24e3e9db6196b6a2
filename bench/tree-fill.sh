#!/usr/bin/env bash
# tree-fill: filling the library tree (10,000 codes in 100 categories, read
# from their lists, offscreen) against cat reading the same list files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
out=${BENCH_OUT:-$here/out}
lib=$out/library-10000
if [ ! -f "$lib/Einstellungen/Kategorien.ini" ]; then
  python3 "$here/make_library.py" "$lib" >/dev/null
fi
read -r ours cat_ms _ < <(QT_QPA_PLATFORM=offscreen "$build/bench/library_bench" tree-fill "$lib" 15 2>/dev/null)
report tree-fill "$ours" cat "$cat_ms" ms
