# Shared helpers for the benchmark scripts.

# elapsed_seconds COMMAND...: runs COMMAND once, prints its wall time in seconds.
elapsed_seconds() {
  local t0 t1
  t0=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  t1=$(date +%s.%N)
  echo "$t1 - $t0" | bc -l
}

# median: the median of the numbers on standard input, one per line.
median() {
  sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'
}

# median_seconds REPS COMMAND...: runs COMMAND REPS times, prints the median
# wall time in seconds.
median_seconds() {
  local reps=$1
  shift
  local times=()
  for _ in $(seq "$reps"); do
    times+=("$(elapsed_seconds "$@")")
  done
  printf '%s\n' "${times[@]}" | median
}

# median_pair REPS A B: runs the programs A and B in turn, REPS times each,
# and prints the median wall time of each in seconds ("A B"). Taking turns
# lets a slow spell of the machine weigh on both sides alike.
median_pair() {
  local reps=$1 a=$2 b=$3
  local times_a=() times_b=()
  for _ in $(seq "$reps"); do
    times_a+=("$(elapsed_seconds "$a")")
    times_b+=("$(elapsed_seconds "$b")")
  done
  echo "$(printf '%s\n' "${times_a[@]}" | median) $(printf '%s\n' "${times_b[@]}" | median)"
}

# report NAME OURS TOOL_NAME TOOL UNIT: prints the comparison line; OURS and
# TOOL are values in UNIT, the ratio is OURS/TOOL.
report() {
  local name=$1 ours=$2 tool_name=$3 tool=$4 unit=$5
  awk -v n="$name" -v o="$ours" -v tn="$tool_name" -v t="$tool" -v u="$unit" \
    'BEGIN { printf "%s: ours %.3f %s, %s %.3f %s, ratio %.2f\n", n, o, u, tn, t, u, (t > 0 ? o / t : 0) }'
}

# to_ms SECONDS
to_ms() { awk -v s="$1" 'BEGIN { printf "%.3f", s * 1000 }'; }

# generated_library [CODES]: the path of the generated library of CODES codes
# (10,000 unless given), 100 to a category (bench/make_library.py), made on
# first use.
generated_library() {
  local here lib codes=${1:-10000}
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  lib=${BENCH_OUT:-$here/out}/library-$codes
  if [ ! -f "$lib/Einstellungen/Kategorien.ini" ]; then
    python3 "$here/make_library.py" "$lib" --codes "$codes" --categories $((codes / 100)) >/dev/null
  fi
  echo "$lib"
}

# free_mb DIR: the space left on the file system that holds DIR, in MB.
free_mb() {
  df -Pm "$1" | awk 'NR == 2 { print $4 }'
}

# prepare_program DIR LIBRARY: a program directory of its own in DIR for the
# start-up benchmark, with LIBRARY's codes (hard links where the file system
# allows: the sources are only read) and a copy of its lists, its own per-user
# settings, and an editor chosen. Sets `program` to the start-up program's
# path and exports APPDATA and QT_QPA_PLATFORM for it.
prepare_program() {
  local dir lib=$2 build=${BENCH_BUILD:-build-bench}
  dir=$(cd "$1" && pwd)
  cp -r "$build/Codarium" "$dir/program"
  cp "$build/bench/startup_codarium" "$dir/program/"
  rm -rf "$dir/program/Codes" "$dir/program/Einstellungen"
  cp -al "$lib/Codes" "$dir/program/" 2>/dev/null || cp -r "$lib/Codes" "$dir/program/"
  cp -r "$lib/Einstellungen" "$dir/program/"
  export APPDATA=$dir/appdata QT_QPA_PLATFORM=offscreen
  mkdir -p "$APPDATA"
  # The first run writes the settings with no editor; name one, as the
  # dialog would have. The settings file keeps its line ends.
  "$dir/program/startup_codarium" >/dev/null 2>&1
  mkdir -p "$dir/editor"
  printf '#!/bin/sh\n' >"$dir/editor/purebasic"
  chmod +x "$dir/editor/purebasic"
  choose_editor "$dir/editor/purebasic"
  program=$dir/program/startup_codarium
}

# choose_editor PATH: names PATH as the editor in the per-user settings below
# APPDATA ("" for none, as before the first start's dialog).
choose_editor() {
  local settings
  settings=$(find "$APPDATA" -name Einstellungen.ini | head -n 1)
  sed -i "s|^PBPfad = [^\r]*|PBPfad = $1|" "$settings"
}

# peak_rss_mb COMMAND...: runs COMMAND once and prints its peak resident
# memory in MB, as the kernel accounted it for the waited-for child.
peak_rss_mb() {
  python3 - "$@" <<'PY'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print("%.3f" % (resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024))
PY
}
