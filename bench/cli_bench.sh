#!/usr/bin/env bash
# Measures the whole `votrana code` and `votrana decode` of a 1 GiB text file (the codec benchmark's
# text corpus, repeated) against `gzip -1 -c FILE > OUT` and `gzip -dc FILE.gz > OUT` of the same file,
# in the same run: wall time and peak resident memory from /usr/bin/time -v, best of VOTRANA_BENCH_REPEATS
# runs (default 3). The decoded file is compared with the original.
#   bench/cli_bench.sh [BYTES]     (default 1073741824)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/ensure-packages.sh

ensure_packages cmake g++ make libgtest-dev gzip time

size=${1:-1073741824}
repeats=${VOTRANA_BENCH_REPEATS:-3}

cmake --preset native >/dev/null
cmake --build --preset native --target votrana >/dev/null
votrana=$PWD/build/native/cli/votrana

corpora=build/bench-corpora
bench/make_corpora.sh "$corpora" >/dev/null

work=$PWD/build/cli-bench
mkdir -p "$work/code" "$work/decode"
plain=$work/code/text.txt
if [[ ! -f $plain || $(stat -c %s "$plain") -ne $size ]]; then
    (
        set +o pipefail
        while :; do cat "$corpora/text.bin"; done | head -c "$size" >"$plain"
    )
fi

# Runs a command `repeats` times; prints the best wall time in seconds and the largest peak RSS in KiB.
measure() {
    local best="" peak=0 run log
    log=$(mktemp)
    for ((run = 0; run < repeats; run++)); do
        /usr/bin/time -v -o "$log" "$@" >/dev/null
        local seconds rss
        seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {
            n = split($2, part, ":"); t = 0; for (i = 1; i <= n; i++) t = t * 60 + part[i]; print t }' "$log")
        rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$log")
        best=$(awk -v best="$best" -v t="$seconds" 'BEGIN { print (best == "" || t < best) ? t : best }')
        ((rss > peak)) && peak=$rss
    done
    rm -f "$log"
    echo "$best $peak"
}

sh_gzip_code() { gzip -1 -c "$plain" >"$work/code/text.txt.gz"; }
sh_gzip_decode() { gzip -dc "$work/code/text.txt.gz" >"$work/decode/gunzipped.txt"; }
export -f sh_gzip_code sh_gzip_decode
export plain work

cat "$plain" >/dev/null
read -r code_s code_kb < <(measure "$votrana" code "$plain")
cp "$work/code/text_txt.___" "$work/code/text_txt.KEY" "$work/decode/"
read -r gzip_s gzip_kb < <(measure bash -c sh_gzip_code)
read -r decode_s decode_kb < <(measure "$votrana" decode "$work/decode/text_txt.___")
read -r gunzip_s gunzip_kb < <(measure bash -c sh_gzip_decode)

cmp "$plain" "$work/decode/text.txt"
coded_size=$(stat -c %s "$work/code/text_txt.___")
gzip_size=$(stat -c %s "$work/code/text.txt.gz")

rate() { awk -v bytes="$size" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? bytes / 1e6 / s : 0) }'; }
row="%-22s %9s %9s %12s\n"
echo
echo "$size bytes of text, best of $repeats runs; MB/s of plain bytes; peak RSS of the process"
# shellcheck disable=SC2059 # one format for the header and the rows
printf "$row" "" "seconds" "MB/s" "peak RSS KiB"
printf "$row" "votrana code" "$code_s" "$(rate "$code_s")" "$code_kb"
printf "$row" "gzip -1 -c FILE > OUT" "$gzip_s" "$(rate "$gzip_s")" "$gzip_kb"
printf "$row" "votrana decode" "$decode_s" "$(rate "$decode_s")" "$decode_kb"
printf "$row" "gzip -dc FILE > OUT" "$gunzip_s" "$(rate "$gunzip_s")" "$gunzip_kb"
echo "coded size / plain: $(awk -v a="$coded_size" -v b="$size" 'BEGIN { printf "%.3f", a / b }')," \
    "gzip -1: $(awk -v a="$gzip_size" -v b="$size" 'BEGIN { printf "%.3f", a / b }')"
