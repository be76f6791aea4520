#!/usr/bin/env bash
# Starts the program under Wine.
#   tools/wine/start-program.sh PROGRAM.EXE
#       on the display that is set; returns when the program ends, with its exit code.
#   tools/wine/start-program.sh --screenshot FILE.png PROGRAM.EXE
#       where no display is set, inside Xvfb: waits for the main window, saves a picture of it to
#       FILE.png, and ends the program.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"

screenshot=
if [[ ${1:-} == --screenshot ]]; then
    screenshot=$(realpath -m "$2")
    shift 2
fi
if (($# != 1)); then
    echo "usage: $0 [--screenshot FILE.png] PROGRAM.EXE" >&2
    exit 2
fi
program=$(realpath "$1")

if [[ -z $screenshot ]]; then
    exec "$here/wine-run.sh" "$program"
fi

"$here/setup-prefix.sh"
exec "$here/with-display.sh" "$here/screenshot-program.sh" "$program" "$screenshot"
