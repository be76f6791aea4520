#!/usr/bin/env bash
# Measures the whole `votrana code` and `votrana decode` of a 1 GiB text file (the codec benchmark's
# text corpus, repeated) against `gzip -1 -c FILE > OUT` and `gzip -dc FILE.gz > OUT` of the same file,
# in the same run: wall time and peak resident memory from /usr/bin/time -v, best of VOTRANA_BENCH_REPEATS
# runs (default 3). Each command runs once making new files and once replacing the files of an earlier
# run (which it flushes to the disk first; gzip's rows with `sync OUT` show what such a flush costs it),
# and once through standard input and output (`votrana code --key KEY - < FILE > OUT`, the same for
# decode). VOTRANA_BASELINE=/path/to/votrana adds the file rows of another build, for a before-and-after
# in one run. The decoded file is compared with the original, and what the pipe gives with what the file
# gives.
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

# Runs a command `repeats` times, each after the untimed command `prepare`; prints the best wall time in
# seconds and the largest peak RSS in KiB.
measure() {
    local prepare=$1 best="" peak=0 run log
    shift
    log=$(mktemp)
    for ((run = 0; run < repeats; run++)); do
        $prepare
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
# What replacing costs us on top: the new file flushed to the disk before it takes the old one's place.
sh_gzip_code_synced() { sh_gzip_code && sync "$work/code/text.txt.gz"; }
sh_gzip_decode_synced() { sh_gzip_decode && sync "$work/decode/gunzipped.txt"; }
sh_pipe_code() { "$votrana" code --key "$work/code/text_txt.KEY" - <"$plain" >"$work/code/piped.___"; }
sh_pipe_decode() {
    "$votrana" decode --key "$work/decode/text_txt.KEY" - <"$work/decode/text_txt.___" >"$work/decode/piped.txt"
}
export -f sh_gzip_code sh_gzip_decode sh_gzip_code_synced sh_gzip_decode_synced sh_pipe_code sh_pipe_decode
export plain work votrana

none() { :; }
fresh_code() { rm -f "$work/code/text_txt.___" "$work/code/text_txt.KEY"; }
fresh_decode() { rm -f "$work/decode/text.txt"; }
fresh_pipe_code() { rm -f "$work/code/piped.___"; }
fresh_pipe_decode() { rm -f "$work/decode/piped.txt"; }

# The rows of one build of votrana: code and decode, making new files and replacing earlier ones.
measure_votrana() {
    local tool=$1
    read -r new_code_s new_code_kb < <(measure fresh_code "$tool" code "$plain")
    read -r code_s code_kb < <(measure none "$tool" code "$plain")
    cp "$work/code/text_txt.___" "$work/code/text_txt.KEY" "$work/decode/"
    read -r new_decode_s new_decode_kb < <(measure fresh_decode "$tool" decode "$work/decode/text_txt.___")
    read -r decode_s decode_kb < <(measure none "$tool" decode "$work/decode/text_txt.___")
    cmp "$plain" "$work/decode/text.txt"
}

cat "$plain" >/dev/null
if [[ -n ${VOTRANA_BASELINE:-} ]]; then
    measure_votrana "$VOTRANA_BASELINE"
    baseline=("$new_code_s" "$new_code_kb" "$code_s" "$code_kb" "$new_decode_s" "$new_decode_kb" "$decode_s"
        "$decode_kb")
fi
measure_votrana "$votrana"
read -r pipe_code_s pipe_code_kb < <(measure fresh_pipe_code bash -c sh_pipe_code)
read -r pipe_decode_s pipe_decode_kb < <(measure fresh_pipe_decode bash -c sh_pipe_decode)
read -r gzip_s gzip_kb < <(measure none bash -c sh_gzip_code)
read -r gunzip_s gunzip_kb < <(measure none bash -c sh_gzip_decode)
read -r gzip_synced_s gzip_synced_kb < <(measure none bash -c sh_gzip_code_synced)
read -r gunzip_synced_s gunzip_synced_kb < <(measure none bash -c sh_gzip_decode_synced)

cmp "$plain" "$work/decode/text.txt"
cmp "$work/code/text_txt.___" "$work/code/piped.___"
cmp "$plain" "$work/decode/piped.txt"
coded_size=$(stat -c %s "$work/code/text_txt.___")
gzip_size=$(stat -c %s "$work/code/text.txt.gz")

rate() { awk -v bytes="$size" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? bytes / 1e6 / s : 0) }'; }
row="%-34s %9s %9s %12s %10s\n"
echo
echo "$size bytes of text, best of $repeats runs; MB/s of plain bytes; peak RSS of the process;"
echo "the last column is the time against gzip's"
# shellcheck disable=SC2059 # one format for the header and the rows
printf "$row" "" "seconds" "MB/s" "peak RSS KiB" "/ gzip"
against() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
print_votrana() {
    local name=$1
    printf "$row" "$name code, new files" "$2" "$(rate "$2")" "$3" "$(against "$2" "$gzip_s")"
    printf "$row" "$name code, replacing" "$4" "$(rate "$4")" "$5" "$(against "$4" "$gzip_s")"
    printf "$row" "$name decode, new file" "$6" "$(rate "$6")" "$7" "$(against "$6" "$gunzip_s")"
    printf "$row" "$name decode, replacing" "$8" "$(rate "$8")" "$9" "$(against "$8" "$gunzip_s")"
}
if [[ -n ${VOTRANA_BASELINE:-} ]]; then
    print_votrana "baseline" "${baseline[@]}"
fi
print_votrana "votrana" "$new_code_s" "$new_code_kb" "$code_s" "$code_kb" "$new_decode_s" "$new_decode_kb" \
    "$decode_s" "$decode_kb"
printf "$row" "votrana code - < FILE > OUT" "$pipe_code_s" "$(rate "$pipe_code_s")" "$pipe_code_kb" \
    "$(against "$pipe_code_s" "$gzip_s")"
printf "$row" "votrana decode - < FILE > OUT" "$pipe_decode_s" "$(rate "$pipe_decode_s")" "$pipe_decode_kb" \
    "$(against "$pipe_decode_s" "$gunzip_s")"
printf "$row" "gzip -1 -c FILE > OUT" "$gzip_s" "$(rate "$gzip_s")" "$gzip_kb" "1.00"
printf "$row" "gzip -dc FILE > OUT" "$gunzip_s" "$(rate "$gunzip_s")" "$gunzip_kb" "1.00"
printf "$row" "gzip -1 -c FILE > OUT; sync OUT" "$gzip_synced_s" "$(rate "$gzip_synced_s")" "$gzip_synced_kb" \
    "$(against "$gzip_synced_s" "$gzip_s")"
printf "$row" "gzip -dc FILE > OUT; sync OUT" "$gunzip_synced_s" "$(rate "$gunzip_synced_s")" "$gunzip_synced_kb" \
    "$(against "$gunzip_synced_s" "$gunzip_s")"
echo "goal: votrana code and decode at most 0.30 of gzip's time, peak RSS under 64 MiB"
echo "pipe / file with new files: code $(against "$pipe_code_s" "$new_code_s")," \
    "decode $(against "$pipe_decode_s" "$new_decode_s") (goal: at most 1.10)"
echo "coded size / plain: $(awk -v a="$coded_size" -v b="$size" 'BEGIN { printf "%.3f", a / b }')," \
    "gzip -1: $(awk -v a="$gzip_size" -v b="$size" 'BEGIN { printf "%.3f", a / b }')"
