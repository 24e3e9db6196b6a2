#!/usr/bin/env bash
# update-leftovers: the clearing after updates that every program start runs
# (no journal, warm cache), on a program directory holding the generated
# library of 10,000 codes, against the walk of the whole tree that the
# updater does (and every start did before).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
lib=$(generated_library)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$lib/Codes" "$lib/Einstellungen" "$scratch/"
read -r start whole entries < <("$build/bench/leftovers_bench" "$scratch" 15)
report update-leftovers "$start" whole-tree "$whole" ms
echo "update-leftovers: $entries entries below the program directory"
