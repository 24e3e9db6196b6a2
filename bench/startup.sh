#!/usr/bin/env bash
# startup: time from process start to the first turn of the event loop (warm,
# offscreen), against a bare Qt program that shows one empty window.
#
# startup_codarium is the program's own start-up sequence followed by one turn
# of its event loop (its first event, then what start-up left pending for Qt);
# it ends there without saving. It runs beside the executable in a copy of the
# program directory, as the program does.
#
# The lines measure the start as it is every time after the first: the editor
# is chosen. The first start, which also opens the dialog that asks for the
# editor, has a line of its own (startup-10k-first-run).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build=${BENCH_BUILD:-build-bench}
bare_bin=$build/bench/startup_bare_qt
scratch=$(mktemp -d "${BENCH_OUT:-/tmp}/startup.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
# compare NAME PROGRAM: the program against the bare window, measured in turns.
compare() {
  local ours bare
  read -r ours bare < <(median_pair 15 "$2" "$bare_bin")
  report "$1" "$(to_ms "$ours")" bare-qt "$(to_ms "$bare")" ms
}
# Warm both (page cache, fontconfig cache, the per-user settings file).
mkdir "$scratch/shipped" "$scratch/10k"
prepare_program "$scratch/shipped" "$build/Codarium"
"$bare_bin" >/dev/null 2>&1
compare startup "$program"

# The same start with the generated library of 10,000 codes in 100 categories.
prepare_program "$scratch/10k" "$(generated_library)"
"$program" >/dev/null 2>&1
compare startup-10k "$program"
# Peak memory of the same start with 10,000 codes beside the bare window's.
report startup-rss "$(peak_rss_mb "$program")" bare-qt "$(peak_rss_mb "$bare_bin")" MB
# The first start with the same library: no editor yet, so the dialog opens.
choose_editor ""
compare startup-10k-first-run "$program"
