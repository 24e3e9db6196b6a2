#!/usr/bin/env bash
# scale: the start-up, the tree fill and the search with a generated library
# of 100,000 codes (1,000 categories, about 1.2 GB on disk), against the same
# tools as at 10,000 codes, and each of our figures at 100,000 codes over the
# one at 10,000 measured in the same run (the *-growth lines: 10 would be
# linear). The library is made under bench/out on first use; with too little
# disk for it the lines say so and nothing is measured.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
out=${BENCH_OUT:-$here/out}
needed_mb=2000
if [ ! -f "$out/library-100000/Einstellungen/Kategorien.ini" ] &&
  [ "$(free_mb "$out")" -lt "$needed_mb" ]; then
  for n in startup-100k startup-rss-100k tree-fill-100k search-100k \
    startup-growth tree-fill-growth search-growth; do
    echo "$n: skipped, the 100,000-code library needs ${needed_mb} MB free below $out ($(free_mb "$out") MB)"
  done
  exit 0
fi
lib10=$(generated_library 10000)
lib100=$(generated_library 100000)
bare_bin=$build/bench/startup_bare_qt
scratch=$(mktemp -d "$out/scale.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/10k" "$scratch/100k"

# Start-up: each size in a program directory of its own, warm.
declare -A start=()
for size in 10k 100k; do
  lib=$lib10
  [ "$size" = 100k ] && lib=$lib100
  prepare_program "$scratch/$size" "$lib"
  find "$lib/Einstellungen" -type f -exec cat {} + >/dev/null
  "$program" >/dev/null 2>&1
  read -r ours bare < <(median_pair 9 "$program" "$bare_bin")
  start[$size]=$(to_ms "$ours")
  [ "$size" = 100k ] && report startup-100k "${start[$size]}" bare-qt "$(to_ms "$bare")" ms
done
report startup-rss-100k "$(peak_rss_mb "$program")" bare-qt "$(peak_rss_mb "$bare_bin")" MB

# The tree fill, as bench/tree-fill.sh measures it.
read -r fill10 _ < <(QT_QPA_PLATFORM=offscreen "$build/bench/library_bench" tree-fill "$lib10" 9 2>/dev/null)
read -r fill100 cat100 _ < <(QT_QPA_PLATFORM=offscreen "$build/bench/library_bench" tree-fill "$lib100" 9 2>/dev/null)
report tree-fill-100k "$fill100" cat "$cat100" ms

# The search, as bench/search.sh measures it, against grep.
find "$lib100/Codes" -type f -exec cat {} + >/dev/null
read -r search10 _ < <("$build/bench/library_bench" search "$lib10" quokkabrief 5)
read -r search100 grep100 _ < <("$build/bench/library_bench" search "$lib100" quokkabrief 5)
report search-100k "$search100" "grep -rilF" "$grep100" ms

report startup-growth "${start[100k]}" startup-10k "${start[10k]}" ms
report tree-fill-growth "$fill100" tree-fill "$fill10" ms
report search-growth "$search100" search "$search10" ms
