#!/usr/bin/env bash
# A 4 KB file fetched 100 times from a local HTTP server, a new connection
# each time: one process calling download 100 times against one curl
# invocation given the URL 100 times (the server closes every connection, so
# curl connects anew for each as well).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/http_server.lib"
out=${BENCH_OUT:-$here/out}/http-small
program=${BENCH_BUILD:-$here/../build-bench}/bench/http_download_bench
reps=${BENCH_REPS:-5}
mkdir -p "$out/served"
head -c 4096 /dev/urandom >"$out/served/small.bin"
start_http_server "$out/served"
url=http://127.0.0.1:$HTTP_PORT/small.bin
urls=()
for _ in $(seq 100); do urls+=("$url"); done
curl_args=()
for _ in $(seq 100); do curl_args+=(-o "$out/curl.bin" "$url"); done

"$program" "$out/ours.bin" "$url"
cmp -s "$out/served/small.bin" "$out/ours.bin" || { echo "http-small: our copy differs" >&2; exit 1; }

ours=$(median_seconds "$reps" "$program" "$out/ours.bin" "${urls[@]}")
tool=$(median_seconds "$reps" curl -s "${curl_args[@]}")
report http-small "$(to_ms "$ours")" curl "$(to_ms "$tool")" ms
rm -f "$out/ours.bin" "$out/curl.bin"
