#!/usr/bin/env bash
# On an X display: starts the program under Wine, waits for its main window, saves a picture of the
# window, and ends the program. Used by start-program.sh.
#   tools/wine/screenshot-program.sh PROGRAM.EXE FILE.png
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
program=$1
screenshot=$2
class=$(basename "$program" | tr '[:upper:]' '[:lower:]')

wine "$program" &
wine_pid=$!

# The main window: the program's one top-level X window larger than a pixel.
main_window() {
    xwininfo -root -tree 2>/dev/null |
        awk -v class="(\"$class\"" 'index($0, class) && $0 !~ / 1x1\+/ { print $1; exit }'
}

window=
for _ in $(seq 600); do
    window=$(main_window)
    [[ -n $window ]] && break
    if ! kill -0 "$wine_pid" 2>/dev/null; then
        echo "The program ended before its window showed." >&2
        exit 1
    fi
    sleep 0.1
done
if [[ -z $window ]]; then
    echo "The program's window did not show within a minute." >&2
    wineserver -k
    exit 1
fi
# Time to paint the picture and the icon bar.
sleep 1
mkdir -p "$(dirname "$screenshot")"
status=0
if import -window "$window" "$screenshot"; then
    echo "Saved a picture of the program's window to $screenshot"
else
    echo "Could not save a picture of the window to $screenshot" >&2
    status=1
fi
wineserver -k
wait "$wine_pid" 2>/dev/null
exit "$status"
