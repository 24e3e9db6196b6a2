#!/usr/bin/env bash
# highlight: styling PureBasic text in the code view (highlighter plug-in
# through style-needed notifications) against the component's built-in C++
# lexer on the same bytes: a 1 MB document, and a typical 5 KB code shown
# fully coloured.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
cd "$build/Codarium" # the plug-in is loaded by its relative path, as the program does
QT_QPA_PLATFORM=offscreen "$build/bench/highlight_bench" | while read -r name ours tool; do
  report "$name" "$ours" qscintilla-cpp-lexer "$tool" ms
done
