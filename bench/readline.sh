#!/usr/bin/env bash
# readline: a 100 MB text file read line by line through textfile::readLine,
# against `wc -l` counting the lines of the same file.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
file=$BENCH_OUT/readline.txt
if [ ! -f "$file" ]; then
  # Lines of 0 to 119 characters, LF ended, about 100 MB.
  python3 - "$file" <<'PY'
import random, sys
random.seed(7)
alphabet = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ0123456789;=()[]"
chunk = []
size = 0
with open(sys.argv[1], "w", newline="") as out:
    pool = ["".join(random.choice(alphabet) for _ in range(n)) for n in range(120)]
    while size < 100_000_000:
        line = pool[random.randrange(120)] + "\n"
        chunk.append(line)
        size += len(line)
        if len(chunk) >= 10000:
            out.write("".join(chunk))
            chunk.clear()
    out.write("".join(chunk))
PY
fi
bin=$BENCH_BUILD/bench/bench_readline
ours_lines=$("$bin" "$file" | awk '{print $1}')
wc_lines=$(wc -l <"$file")
[ "$ours_lines" = "$wc_lines" ] || echo "readline: line counts differ ($ours_lines vs $wc_lines)" >&2
cat "$file" >/dev/null # both sides read from the page cache
ours=$(median_seconds 9 "$bin" "$file")
reuse=$(median_seconds 9 "$bin" --reuse "$file")
floor=$(median_seconds 9 "$BENCH_BUILD/bench/line_copy_floor" "$file")
tool=$(median_seconds 9 wc -l "$file")
report readline "$(to_ms "$ours")" "wc -l" "$(to_ms "$tool")" ms
# The overload that reads into the caller's string: no allocation per line.
report readline-reuse "$(to_ms "$reuse")" "wc -l" "$(to_ms "$tool")" ms
# What a string of its own per line costs at least (memchr, a copy, its
# allocation and release), beside wc: the floor under the readline line.
report readline-copy-floor "$(to_ms "$floor")" "wc -l" "$(to_ms "$tool")" ms
