#!/usr/bin/env bash
# Checks the user's guides that ship beside the program, docs/VOTRA_9E.PDF and docs/VOTRA_9J.PDF:
#   - they were made from the sources as they are now (docs/pdfs.sha256, written by
#     tools/docs/make-pdfs.sh);
#   - each is a whole PDF of reasonable size whose fonts are all embedded;
#   - its text holds the main headings, every message that the program can show and the command-line
#     tool's help text, word for word.
#
#   tests/docs/check-pdfs.sh [SOURCE_DIR]
#
# Needs pdfinfo, pdffonts and pdftotext (Debian: poppler-utils); without them it makes the checks
# that need no tools and then exits with 77, which CTest reports as skipped.
set -uo pipefail

root=${1:-$(dirname "${BASH_SOURCE[0]}")/../..}
cd "$root" || exit 1

passed=0
failed=0

pass() {
    passed=$((passed + 1))
}

fail() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}

finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0)) || exit 1
    exit "${1:-0}"
}

# --- Checks without document tools --------------------------------------------------------------

if [[ -f docs/pdfs.sha256 ]] && stale=$(sha256sum --check --quiet docs/pdfs.sha256 2>&1); then
    pass
else
    fail "the PDFs are not those made from the current sources; run tools/docs/make-pdfs.sh"
    echo "${stale:-docs/pdfs.sha256 is missing}" | sed 's/^/    /'
fi

max_bytes=$((1024 * 1024))
for pdf in docs/VOTRA_9E.PDF docs/VOTRA_9J.PDF; do
    if [[ ! -s $pdf ]]; then
        fail "$pdf is missing or empty"
        continue
    fi
    if [[ $(head -c 5 "$pdf") == "%PDF-" ]] && tail -c 32 "$pdf" | grep -q '%%EOF'; then
        pass
    else
        fail "$pdf does not begin with %PDF- and end with %%EOF"
    fi
    size=$(stat -c %s "$pdf")
    if ((size < max_bytes)); then
        pass
    else
        fail "$pdf has $size bytes, more than $max_bytes"
    fi
done

missing_tools=()
for tool in pdfinfo pdffonts pdftotext; do
    command -v "$tool" >/dev/null 2>&1 || missing_tools+=("$tool")
done
if ((${#missing_tools[@]} > 0)); then
    echo "SKIPPED: the checks of the PDFs' pages, fonts and text need ${missing_tools[*]}" \
        "(Debian package poppler-utils)"
    finish 77
fi

# --- Pages and fonts ----------------------------------------------------------------------------

check_structure() {
    local pdf=$1 required_font=$2 info pages fonts
    if ! info=$(pdfinfo "$pdf" 2>&1); then
        fail "pdfinfo cannot read $pdf: $info"
        return
    fi
    pages=$(awk '/^Pages:/ {print $2}' <<<"$info")
    if ((pages >= 10)); then
        pass
    else
        fail "$pdf has ${pages:-no} pages"
    fi
    if ! fonts=$(pdffonts "$pdf" 2>&1); then
        fail "pdffonts cannot read $pdf: $fonts"
        return
    fi
    # The columns after the font name: type (one or two words), encoding, emb, sub, uni, object id.
    local unembedded
    unembedded=$(tail -n +3 <<<"$fonts" | awk '$(NF-4) != "yes" {print $1}')
    if [[ -z $unembedded ]]; then
        pass
    else
        fail "$pdf has fonts that are not embedded: $unembedded"
    fi
    if grep -q "$required_font" <<<"$fonts"; then
        pass
    else
        fail "$pdf does not use the font $required_font"
    fi
}

check_structure docs/VOTRA_9E.PDF "Noto-Serif"
check_structure docs/VOTRA_9J.PDF "IPAMincho"

# --- Text ---------------------------------------------------------------------------------------

# The text of a PDF without any white space, so that line breaks do not matter: once in reading
# order and once as laid out on the page, since each keeps together what the other may tear apart
# (a paragraph across a column, a line of a preformatted block with wide gaps).
squeezed_text() {
    pdftotext -enc UTF-8 "$1" - 2>/dev/null | tr -d '[:space:]'
    echo
    pdftotext -enc UTF-8 -layout "$1" - 2>/dev/null | tr -d '[:space:]'
}

# The texts of ops/texts.cpp for one language ("englishTexts" or "japaneseTexts"), one line each,
# cut at the line breaks they hold and without the "%lx" of the file-dialog error. The filters of
# the file dialogs are left out: the guides name those of the decoding and browse dialogs only.
program_texts() {
    local function=$1
    sed -n "/^const Texts& $function()/,/^}/p" ops/texts.cpp |
        grep -v -E '^\s*\.(allFilesFilter|allFilesPattern|codedFilesPattern|keyFilesPattern)\s*=' |
        sed -n -E 's/^\s*\.[A-Za-z]+\s*=\s*"(.*)",\s*$/\1/p' |
        sed -e 's/\\n/\n/g' -e 's/%lx//g'
}

# The texts of the command-line tool in cli/cli_texts.cpp for one language ("english" or "japanese_"),
# its help text included, one line each.
cli_texts() {
    local block=$1
    awk -v start="static const CliTexts $block{" 'index($0, start) {inside = 1; next} inside && /^ *};/ {inside = 0} inside' \
        cli/cli_texts.cpp |
        grep -o '"\([^"\\]\|\\.\)*"' | sed -e 's/^"//' -e 's/"$//' -e 's/\\n/\n/g'
}

check_text() {
    local pdf=$1 function=$2 cli_block=$3
    shift 3
    local text needle missing=0
    text=$(squeezed_text "$pdf")
    if [[ -z $text ]]; then
        fail "pdftotext finds no text in $pdf"
        return
    fi
    local needles=("$@")
    if [[ -f ops/texts.cpp ]]; then
        local count=0 line
        while IFS= read -r line; do
            [[ -n ${line// /} ]] || continue
            needles+=("$line")
            count=$((count + 1))
        done < <(program_texts "$function")
        if ((count < 30)); then
            fail "found only $count texts of $function in ops/texts.cpp; has its layout changed?"
        fi
    fi
    if [[ -f cli/cli_texts.cpp ]]; then
        local count=0 line
        while IFS= read -r line; do
            [[ -n ${line// /} ]] || continue
            needles+=("$line")
            count=$((count + 1))
        done < <(cli_texts "$cli_block")
        if ((count < 15)); then
            fail "found only $count texts of $cli_block in cli/cli_texts.cpp; has its layout changed?"
        fi
    fi
    for needle in "${needles[@]}"; do
        if [[ $text != *"$(tr -d '[:space:]' <<<"$needle")"* ]]; then
            fail "$pdf does not hold the text: $needle"
            missing=1
        fi
    done
    ((missing == 0)) && pass
}

check_text docs/VOTRA_9E.PDF englishTexts english \
    "Votrana" "User's Guide" "Contents" \
    "Votrana at a glance" "The window" "Coding a file" "The key-file dialog" "Decoding a file" \
    "File names and places" "What happens to existing files" "Keeping your files safe" "Messages" \
    "Limits" "The command-line tool" "File formats and test vectors" \
    "Unable to display dialog box." \
    "Install the readme file (VOTRA_9E.PDF)" "in the same directory." \
    "Unable to open the readme file (VOTRA_9E.PDF)" \
    "because of being NO software to read PDF documents." \
    "votrana code FILE... [--key KEYFILE]" "votrana decode FILE... [--key KEYFILE]" \
    "61 62 FF 7F D8 BF 40" "61 FF FF FF FF FF FF FF F3 F7 00"

check_text docs/VOTRA_9J.PDF japaneseTexts japanese_ \
    "ヴォトラナ" "取扱説明書" "目次" \
    "ヴォトラナの概要" "ウィンドウ" "ファイルの暗号化" "キー・ファイルのダイアログ" "ファイルの復号化" \
    "ファイルの名前と置き場所" "既存のファイルの扱い" "ファイルを安全に守るために" "メッセージ" \
    "制限事項" "コマンド・ライン・ツール" "ファイル形式とテスト・ベクター" \
    "ダイアログを表示できません" \
    "説明書ファイル（VOTRA_9J.PDF）を同じ" "フォルダーに入れてください." \
    "PDF 文書の閲覧ソフトが無いので、" "説明書（VOTRA_9J.PDF）を開けません." \
    "votrana code FILE... [--key KEYFILE]" "votrana decode FILE... [--key KEYFILE]" \
    "61 62 FF 7F D8 BF 40" "61 FF FF FF FF FF FF FF F3 F7 00"

finish
