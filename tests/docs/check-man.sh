#!/usr/bin/env bash
# Renders each manual page given as `man -l` shows it on a terminal of 80 columns, and fails on any
# warning of man or groff, or a page that does not come out.
#   tests/docs/check-man.sh PAGE...
# Exits with 77, which CTest reports as skipped, when man is missing (Debian: man-db).
set -uo pipefail

if ! command -v man >/dev/null 2>&1; then
    echo "SKIPPED: the manual pages are rendered by man (Debian package man-db)"
    exit 77
fi

status=0
for page in "$@"; do
    # The Japanese page needs a UTF-8 locale; C.UTF-8 is on every system that has one.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    title=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | head -n 1)
    if [[ -n $warnings || $title != VOTRANA\(1\)* ]]; then
        echo "FAILED: $page"
        echo "${warnings:-it gives no page}" | sed 's/^/    /'
        status=1
    fi
done
exit "$status"
