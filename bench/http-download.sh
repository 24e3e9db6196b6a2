#!/usr/bin/env bash
# A 200 MB file from a local HTTP server: download against curl -s -o.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/http_server.lib"
out=${BENCH_OUT:-$here/out}/http-download
program=${BENCH_BUILD:-$here/../build-bench}/bench/http_download_bench
reps=${BENCH_REPS:-5}
mkdir -p "$out/served"
big=$out/served/big.bin
if [ "$(stat -c %s "$big" 2>/dev/null || echo 0)" != 209715200 ]; then
  head -c 209715200 /dev/urandom >"$big"
fi
start_http_server "$out/served"
url=http://127.0.0.1:$HTTP_PORT/big.bin

# One checked run of each first, so that a broken download is not timed.
"$program" "$out/ours.bin" "$url"
curl -s -o "$out/curl.bin" "$url"
cmp -s "$big" "$out/ours.bin" || { echo "http-download: our copy differs" >&2; exit 1; }
cmp -s "$big" "$out/curl.bin" || { echo "http-download: curl's copy differs" >&2; exit 1; }

ours=$(median_seconds "$reps" "$program" "$out/ours.bin" "$url")
tool=$(median_seconds "$reps" curl -s -o "$out/curl.bin" "$url")
report http-download "$ours" curl "$tool" s
rm -f "$out/ours.bin" "$out/curl.bin"
