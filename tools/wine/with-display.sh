#!/usr/bin/env bash
# Runs a command where Wine windows can be shown: on the display that is set, or else inside Xvfb
# (1024 x 768, 24 bits, so the program's 16 colours read back exactly). The command's exit code is
# this script's.
#   tools/wine/with-display.sh COMMAND [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"

if [[ -n ${DISPLAY:-} ]]; then
    exec "$@"
fi
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "No display is set and xvfb-run is not installed (Debian: xvfb xauth)." >&2
    exit 1
fi
status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$here/in-xvfb.sh" "$@" || status=$?
exit "$status"
