#!/usr/bin/env bash
# highlight-plugin: colouring throughput of the SyntaxHilighting plug-in over a
# 1 MiB PureBasic document, against `wc -w` splitting the same text into words
# (the closest standard tool that also classifies every byte). Both sides are
# the median of several repetitions in this run; the tool reads the document
# repeated 32 times so that its start-up does not count.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build=${BENCH_BUILD:-build-bench}
out=${BENCH_OUT:-bench/out}
mkdir -p "$out"
# Only the two targets this benchmark needs (the configuration matches bench/run).
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCODARIUM_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target highlight_plugin_bench codarium_highlighter_plugin >/dev/null

document=$out/highlight-document.pb
python3 bench/make_purebasic_document.py --size 1048576 "$document"
bytes=$(stat -c %s "$document")
repeated=$out/highlight-document-x32.pb
: >"$repeated"
for _ in $(seq 32); do cat "$document" >>"$repeated"; done

ours_seconds=$("$build/bench/highlight_plugin_bench" "$build/Codarium/SyntaxHilighting.so" "$document" 21 2>/dev/null)
tool_seconds=$(median_seconds 7 env LC_ALL=C wc -w "$repeated")

awk -v b="$bytes" -v o="$ours_seconds" -v t="$tool_seconds" 'BEGIN {
  ours = b / o / 1e6; tool = 32 * b / t / 1e6
  printf "highlight-plugin: ours %.1f MB/s, wc -w %.1f MB/s, ratio %.2f\n", ours, tool, tool / ours
}'
