#!/usr/bin/env bash
# Inside xvfb-run (see with-display.sh): runs the command, then ends the Wine programs of the
# prefix before the X server goes away. A Wine server left from another display is ended first, as
# Wine would otherwise keep drawing on that display.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
wineserver -k 2>/dev/null
"$@"
status=$?
wineserver -k 2>/dev/null
exit "$status"
