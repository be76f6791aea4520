#!/usr/bin/env bash
# Runs a GUI test driver under Wine where windows can be shown (tools/wine/with-display.sh), in the
# current folder, and gives its exit code. Screenshots on request: while the driver runs, a file
# shots/NAME.req that it creates is answered with shots/NAME.png (the whole screen) and then
# shots/NAME.done.
#   tools/wine/gui-test.sh DRIVER.EXE [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
"$here/setup-prefix.sh"

if [[ ${1:-} != --inside ]]; then
    exec "$here/with-display.sh" "$0" --inside "$@"
fi
shift

mkdir -p shots
wine "$@" &
driver=$!
while kill -0 "$driver" 2>/dev/null; do
    for request in shots/*.req; do
        [[ -e $request ]] || continue
        name=${request%.req}
        import -window root "$name.png" || echo "Could not save $name.png" >&2
        mv "$request" "$name.done"
    done
    sleep 0.05
done
status=0
wait "$driver" || status=$?
exit "$status"
