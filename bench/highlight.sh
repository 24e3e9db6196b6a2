#!/usr/bin/env bash
# highlight: styling PureBasic text in the code view (highlighter plug-in
# through style-needed notifications, one SCI_STARTSTYLING/SCI_SETSTYLING pair
# per run) against the component's built-in C++ lexer on the same bytes, in
# one run: a 1 MiB document, and a typical 5 KB code shown fully coloured.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build=$(realpath -m "${BENCH_BUILD:-build-bench}")
out=${BENCH_OUT:-bench/out}
mkdir -p "$out"
out=$(realpath "$out")
# Only the targets this benchmark needs (the configuration matches bench/run).
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCODARIUM_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target highlight_bench codarium_highlighter_plugin >/dev/null

python3 bench/make_purebasic_document.py --size 1048576 "$out/highlight-1m.pb"
python3 bench/make_purebasic_document.py --size 5120 --seed 7 "$out/highlight-5k.pb"

# The plug-in is loaded by its path relative to the program directory, as the
# program does.
cd "$build/Codarium"
mkdir -p -m 700 "$out/xdg-runtime"
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$out/xdg-runtime} QT_QPA_PLATFORM=offscreen \
  "$build/bench/highlight_bench" "$out/highlight-1m.pb" "$out/highlight-5k.pb" |
  while read -r name ours tool; do
    report "$name" "$ours" qscintilla-cpp-lexer "$tool" ms
  done
