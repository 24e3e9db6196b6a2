#!/usr/bin/env bash
# A 200 MB file from a local nginx over TLS: download against curl -s -o,
# both trusting the same test CA and fetching the same https:// address.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/nginx_server.lib"
out=${BENCH_OUT:-$here/out}/https-download
program=${BENCH_BUILD:-$here/../build-bench}/bench/http_download_bench
reps=${BENCH_REPS:-5}
mkdir -p "$out/served"
big=$out/served/big.bin
if [ "$(stat -c %s "$big" 2>/dev/null || echo 0)" != 209715200 ]; then
  head -c 209715200 /dev/urandom >"$big"
fi
make_test_ca "$out/tls"
start_nginx_tls "$out/served" "$out/tls/localhost.pem" "$out/tls/localhost.key"
url=https://localhost:$NGINX_PORT/big.bin
export SSL_CERT_FILE=$out/tls/ca.pem

# One checked run of each first, so that a broken download is not timed.
"$program" "$out/ours.bin" "$url"
curl -s --cacert "$SSL_CERT_FILE" -o "$out/curl.bin" "$url"
cmp -s "$big" "$out/ours.bin" || { echo "https-download: our copy differs" >&2; exit 1; }
cmp -s "$big" "$out/curl.bin" || { echo "https-download: curl's copy differs" >&2; exit 1; }

# Taking turns lets a slow spell of the machine weigh on both sides alike.
ours_once() { "$program" "$out/ours.bin" "$url"; }
curl_once() { curl -s --cacert "$SSL_CERT_FILE" -o "$out/curl.bin" "$url"; }
read -r ours tool < <(median_pair "$reps" ours_once curl_once)
report https-download "$ours" curl "$tool" s
rm -f "$out/ours.bin" "$out/curl.bin"
