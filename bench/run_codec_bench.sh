#!/usr/bin/env bash
# Measures the codec against compress(1) and gzip -1 on three 60 MB corpora (text, programs, random
# bytes), all in one run on this machine. Every figure is the best of 3, in MB/s of plain input
# (10^6 bytes per second), decompression included. Sizes are coded size / plain size.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tools/ensure-packages.sh

ensure_packages cmake g++ make libgtest-dev ncompress gzip

cmake --preset native
cmake --build --preset native --target codec_throughput
throughput=build/native/bench/codec_throughput

corpora=build/bench-corpora
bench/make_corpora.sh "$corpora"

repeats=3

# compress exits with 2 when its output is larger than its input, which is no error here.
compress_file() { compress -c <"$1" || (($? == 2)); }
uncompress_file() { compress -dc <"$1"; }
gzip_file() { gzip -1 -c <"$1"; }
gunzip_file() { gzip -dc <"$1"; }

# Best wall time in seconds of `repeats` runs of a command, its output thrown away.
best_seconds() {
    local best="" start end run
    for ((run = 0; run < repeats; run++)); do
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        best=$(awk -v best="$best" -v start="$start" -v end="$end" \
            'BEGIN { t = end - start; if (best == "" || t < best) best = t; printf "%.6f", best }')
    done
    echo "$best"
}

megabytes_per_second() {
    awk -v bytes="$1" -v seconds="$2" 'BEGIN { printf "%.1f", (seconds > 0 ? bytes / 1e6 / seconds : 0) }'
}

quotient() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'
}

row_format="%-11s %10s %10s %10s %10s %10s %10s %9s %9s %8s %8s\n"
echo
echo "MB/s of plain input, best of $repeats; ours/Z = our speed / compress's speed; size = coded / plain"
# shellcheck disable=SC2059 # the format is shared by the header and the rows
printf "$row_format" corpus "ours c" "ours d" "Z c" "Z d" "gzip-1 c" "gzip d" "ours/Z c" "ours/Z d" "size" "size Z"

for corpus in text binary random; do
    plain=$corpora/$corpus.bin
    size=$(stat -c %s "$plain")
    compress_file "$plain" >"$plain.Z"
    gzip_file "$plain" >"$plain.gz"
    cat "$plain" "$plain.Z" "$plain.gz" >/dev/null

    ours=$("$throughput" "$plain" "$repeats")
    ours_c=$(awk '/^ours compress:/ { print $3 }' <<<"$ours")
    ours_ratio=$(awk '/^ours compress:/ { sub(/\)/, "", $6); print $6 }' <<<"$ours")
    ours_d=$(awk '/^ours decompress:/ { print $3 }' <<<"$ours")

    z_c=$(megabytes_per_second "$size" "$(best_seconds compress_file "$plain")")
    z_d=$(megabytes_per_second "$size" "$(best_seconds uncompress_file "$plain.Z")")
    gz_c=$(megabytes_per_second "$size" "$(best_seconds gzip_file "$plain")")
    gz_d=$(megabytes_per_second "$size" "$(best_seconds gunzip_file "$plain.gz")")
    z_ratio=$(awk -v coded="$(stat -c %s "$plain.Z")" -v plain="$size" 'BEGIN { printf "%.3f", coded / plain }')

    # shellcheck disable=SC2059
    printf "$row_format" "$corpus" "$ours_c" "$ours_d" "$z_c" "$z_d" "$gz_c" "$gz_d" \
        "$(quotient "$ours_c" "$z_c")" "$(quotient "$ours_d" "$z_d")" "$ours_ratio" "$z_ratio"
done
echo "goal on every corpus: ours/Z c at least 6, ours/Z d at least 5"
