#!/usr/bin/env bash
# prefs: parse a preferences file of 10,000 keys, change one and write the
# file back (a complete temporary file, flushed to the disk, renamed over the
# old one), against `cp` of the same file.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
file=$BENCH_OUT/prefs.ini
copy=$BENCH_OUT/prefs-copy.ini
if [ ! -f "$file" ]; then
  awk 'BEGIN {
    printf "; generated for the prefs benchmark\r\n"
    for (g = 0; g < 100; g++) {
      printf "[Group%d]\r\n", g
      for (k = 0; k < 100; k++) printf "Key%d = value %d of group %d, some text\r\n", k, k, g
    }
  }' >"$file"
fi
bin=$BENCH_BUILD/bench/bench_prefs
"$bin" "$file" Group50 Key50
tool=$(median_seconds 11 cp "$file" "$copy")
# One round inside a running process, as the program does it.
ours_ms=$("$bin" "$file" Group50 Key50 11)
report prefs "$ours_ms" cp "$(to_ms "$tool")" ms
# The same as a whole process, which adds loading the program's libraries.
process=$(median_seconds 11 "$bin" "$file" Group50 Key50)
report prefs-process "$(to_ms "$process")" cp "$(to_ms "$tool")" ms
