#!/usr/bin/env bash
# make_corpora.sh DIR: writes the three benchmark inputs of exactly 60,000,000 bytes each into DIR:
# text.bin (source and document files), binary.bin (programs) and random.bin. A corpus that is
# already there at the right size is kept.
set -euo pipefail

dir=${1:?usage: make_corpora.sh DIR}
size=60000000
mkdir -p "$dir"

text_files() {
    find /usr/include /usr/share -type f -size -2M \( -name '*.h' -o -name '*.hpp' -o -name '*.txt' \
        -o -name '*.html' -o -name '*.md' -o -name '*.py' -o -name '*.pl' -o -name '*.pm' \
        -o -name '*.xml' -o -name '*.css' -o -name '*.js' -o -name '*.c' -o -name '*.cc' \) -print0 2>/dev/null
}

binary_files() {
    find /usr/bin -type f -print0 2>/dev/null
}

# Concatenates the listed files, as often as it takes to reach the size. A file that cannot be read
# is left out; the size check in make_corpus catches a shortfall.
concatenate() {
    local list=$1 total rounds
    total=$(du -clb --files0-from="$list" 2>/dev/null | tail -n 1 | cut -f 1)
    if ((total == 0)); then
        return 1
    fi
    rounds=$(((size + total - 1) / total))
    for ((round = 0; round < rounds; round++)); do
        xargs -0 cat <"$list" 2>/dev/null || true
    done
}

make_corpus() {
    local name=$1 source=$2
    local out=$dir/$name
    if [[ -f $out && $(stat -c %s "$out") -eq $size ]]; then
        echo "kept $out"
        return
    fi
    local list
    list=$(mktemp)
    # head closes the pipe once it has enough, which ends the writers with SIGPIPE: not a failure.
    (
        set +o pipefail
        case $source in
            text) text_files | LC_ALL=C sort -z >"$list"; concatenate "$list" ;;
            binary) binary_files | LC_ALL=C sort -z >"$list"; concatenate "$list" ;;
            random) head -c "$size" /dev/urandom ;;
        esac | head -c "$size" >"$out.tmp"
    )
    rm -f "$list"
    if [[ $(stat -c %s "$out.tmp") -ne $size ]]; then
        echo "make_corpora.sh: could not gather $size bytes for $name" >&2
        rm -f "$out.tmp"
        return 1
    fi
    mv "$out.tmp" "$out"
    echo "made $out"
}

make_corpus text.bin text
make_corpus binary.bin binary
make_corpus random.bin random
