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
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A program directory of its own: the run creates the store and settings.
cp -r "$build/Codarium" "$scratch/program"
cp "$build/bench/startup_codarium" "$scratch/program/"
export APPDATA=$scratch/appdata QT_QPA_PLATFORM=offscreen
mkdir -p "$APPDATA"
ours_prog=$scratch/program/startup_codarium
# Warm both (page cache, fontconfig cache, the per-user settings file).
"$ours_prog" >/dev/null 2>&1
"$bare_bin" >/dev/null 2>&1
# The first run wrote the settings with no editor; name one, as the dialog
# would have. The settings file keeps its line ends.
settings=$(find "$APPDATA" -name Einstellungen.ini | head -n 1)
editor=$scratch/editor/purebasic
mkdir -p "$(dirname "$editor")"
printf '#!/bin/sh\n' >"$editor"
chmod +x "$editor"
choose_editor() { sed -i "s|^PBPfad = [^\r]*|PBPfad = $1|" "$settings"; }
choose_editor "$editor"
# compare NAME: ours against the bare window, measured in turns.
compare() {
  local ours bare
  read -r ours bare < <(median_pair 15 "$ours_prog" "$bare_bin")
  report "$1" "$(to_ms "$ours")" bare-qt "$(to_ms "$bare")" ms
}
compare startup

# The same start with the generated library of 10,000 codes in 100 categories.
lib=$(generated_library)
rm -rf "$scratch/program/Codes" "$scratch/program/Einstellungen"
cp -r "$lib/Codes" "$lib/Einstellungen" "$scratch/program/"
"$ours_prog" >/dev/null 2>&1
compare startup-10k
# Peak memory of the same start with 10,000 codes beside the bare window's.
report startup-rss "$(peak_rss_mb "$ours_prog")" bare-qt "$(peak_rss_mb "$bare_bin")" MB
# The first start with the same library: no editor yet, so the dialog opens.
choose_editor ""
compare startup-10k-first-run
