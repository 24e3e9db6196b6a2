#!/usr/bin/env bash
# fingerprint: the update check's fileFingerprint over the generated library
# of 10,000 codes (every file below it), warm cache, against md5sum on the
# same files in one process.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=${BENCH_BUILD:-$here/../build-bench}
lib=$(generated_library)
read -r ours md5_ms files bytes < <("$build/bench/fingerprint_bench" "$lib" 7)
report fingerprint "$ours" "md5sum" "$md5_ms" ms
echo "fingerprint: $files files, $bytes bytes"
