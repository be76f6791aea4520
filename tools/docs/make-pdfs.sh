#!/usr/bin/env bash
# Makes the user's guides that the Help button opens, docs/VOTRA_9E.PDF (English) and
# docs/VOTRA_9J.PDF (Japanese), from docs/guide-en.md, docs/guide-ja.md and docs/guide.css, with
# WeasyPrint and the Noto, DejaVu and IPA fonts of Debian, all embedded as subsets. The picture of
# the main window is drawn from the program's own bitmaps in res/.
#
#   tools/docs/make-pdfs.sh           makes the PDFs and docs/pdfs.sha256; files that come out the same
#                                     are left untouched
#   tools/docs/make-pdfs.sh --check   makes them in a temporary folder and tells whether the committed
#                                     ones are the same, byte for byte; changes nothing
#   tools/docs/make-pdfs.sh --html DIR  also keeps the intermediate HTML in DIR
#
# The output is the same on every run with the same Debian packages: the font subsets get a fixed
# time stamp (SOURCE_DATE_EPOCH) and nothing else in the PDF depends on the clock.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source tools/ensure-packages.sh

check_only=false
html_dir=
while (($# > 0)); do
    case $1 in
    --check) check_only=true ;;
    --html)
        html_dir=${2:?--html needs a folder}
        shift
        ;;
    -h | --help)
        sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        echo "make-pdfs.sh: unknown argument: $1" >&2
        exit 2
        ;;
    esac
    shift
done

ensure_packages weasyprint python3-markdown python3-pil fonts-noto-core fonts-dejavu-core \
    fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils fontconfig

# Debian's Python, which has the packages above, whatever python3 comes first on the PATH.
python=/usr/bin/python3

# A missing font would silently be replaced by another one; refuse instead.
for family in "Noto Serif" "Noto Sans" "DejaVu Sans Mono" "IPAMincho" "IPAGothic"; do
    found=$(fc-match -f '%{family}' "$family")
    if [[ ,$found, != *",$family,"* ]]; then
        echo "make-pdfs.sh: the font '$family' is not installed (fontconfig offers '$found' instead)" >&2
        exit 1
    fi
done

export SOURCE_DATE_EPOCH=1735689600
export PYTHONHASHSEED=0

window_bitmaps=(res/main_picture.bmp res/bitmaps/CodeUp.bmp res/bitmaps/DeCodeUp.bmp res/bitmaps/AboutUp.bmp
    res/bitmaps/HelpUp.bmp res/bitmaps/ExitUp.bmp)
screenshots=(docs/images/progress-window-en.png docs/images/progress-window-ja.png)
sources=(docs/guide-en.md docs/guide-ja.md docs/guide.css tools/docs/render_guide.py tools/docs/window_picture.py
    tools/docs/make-pdfs.sh "${window_bitmaps[@]}" "${screenshots[@]}")
declare -A guide_of=([docs/VOTRA_9E.PDF]=docs/guide-en.md [docs/VOTRA_9J.PDF]=docs/guide-ja.md)
outputs=(docs/VOTRA_9E.PDF docs/VOTRA_9J.PDF)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/resources"
"$python" tools/docs/window_picture.py res "$work/resources/window.png"
cp "${screenshots[@]}" "$work/resources/"

for output in "${outputs[@]}"; do
    name=$(basename "$output")
    html_args=()
    if [[ -n $html_dir ]]; then
        mkdir -p "$html_dir"
        cp "$work/resources/"*.png "$html_dir/"
        html_args=(--html "$html_dir/${name%.PDF}.html")
    fi
    "$python" tools/docs/render_guide.py "${guide_of[$output]}" docs/guide.css "$work/$name" \
        --resources "$work/resources" "${html_args[@]}"
    echo "$output: $(pdfinfo "$work/$name" | awk '/^Pages:/ {print $2}') pages, $(stat -c %s "$work/$name") bytes"
done

if $check_only; then
    status=0
    for output in "${outputs[@]}"; do
        if cmp -s "$work/$(basename "$output")" "$output"; then
            echo "$output is up to date"
        else
            echo "$output differs from what its sources give: run tools/docs/make-pdfs.sh" >&2
            status=1
        fi
    done
    exit "$status"
fi

for output in "${outputs[@]}"; do
    if cmp -s "$work/$(basename "$output")" "$output"; then
        echo "$output unchanged"
    else
        cp "$work/$(basename "$output")" "$output"
        echo "$output written"
    fi
done

# The fingerprints of the sources and of the PDFs made from them: tests/docs/check-pdfs.sh compares
# them, so a guide whose source changed without new PDFs is noticed without any document tool.
sha256sum "${sources[@]}" "${outputs[@]}" >"$work/pdfs.sha256"
if ! cmp -s "$work/pdfs.sha256" docs/pdfs.sha256; then
    cp "$work/pdfs.sha256" docs/pdfs.sha256
    echo "docs/pdfs.sha256 written"
fi
