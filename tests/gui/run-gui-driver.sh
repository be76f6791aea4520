#!/usr/bin/env bash
# Runs the GUI test driver under Wine in the current folder (CTest's folder for the test), in the prefix
# that tools/wine/setup-prefix.sh makes, on the display that tools/wine/with-display.sh gives (Xvfb when
# none is set). While the driver runs, this script answers its requests:
#   shots/NAME.req       -> shots/NAME.png (the whole screen), then shots/NAME.done
#   requests/NAME.req    -> requests/NAME.done, for a request line of
#       lock DIR         "locked" when nothing can be created in DIR any more (root: immutable), else
#                        "unsupported"; DIR is relative to this folder
#       unlock DIR       "unlocked"
#       cursor           the X server's cursor as "WIDTH HEIGHT XHOT YHOT", or "unsupported"
# The driver's output is also kept in driver.log; the exit code is the driver's (its failed checks).
#   tests/gui/run-gui-driver.sh DRIVER.EXE PROGRAM.EXE [DRIVER ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tools=$here/../../tools/wine
source "$tools/wine-env.sh"

# Everything below a folder writable again.
unlock() {
    [[ -e $1 ]] || return 0
    if [[ $(id -u) -eq 0 ]] && command -v chattr >/dev/null 2>&1; then
        chattr -R -i "$1" 2>/dev/null || true
    fi
    chmod -R u+w "$1" 2>/dev/null || true
}

if [[ ${1:-} != --inside ]]; then
    "$tools/setup-prefix.sh"
    unlock work
    rm -rf work shots requests driver.log
    mkdir -p shots requests
    status=0
    "$tools/with-display.sh" "$0" --inside "$@" 2>&1 | tee driver.log || status=${PIPESTATUS[0]}
    unlock work
    exit "$status"
fi
shift

lock() {
    local dir=$1
    if [[ ! -d $dir ]]; then
        echo missing
        return
    fi
    if [[ $(id -u) -eq 0 ]]; then
        chattr +i "$dir" 2>/dev/null || true
    else
        chmod a-w "$dir"
    fi
    if (: >"$dir/.write-probe") 2>/dev/null; then
        rm -f "$dir/.write-probe"
        unlock "$dir"
        echo unsupported
    else
        echo locked
    fi
}

answer() {
    local verb argument
    read -r verb argument <"$1" || true
    case $verb in
    lock) lock "$argument" ;;
    unlock) unlock "$argument" && echo unlocked ;;
    cursor) python3 "$here/x-cursor.py" 2>/dev/null || echo unsupported ;;
    *) echo unknown ;;
    esac
}

wine "$@" &
driver=$!
while kill -0 "$driver" 2>/dev/null; do
    for request in shots/*.req; do
        [[ -e $request ]] || continue
        import -window root "${request%.req}.png" || echo "Could not save ${request%.req}.png" >&2
        mv "$request" "${request%.req}.done"
    done
    for request in requests/*.req; do
        [[ -e $request ]] || continue
        answer "$request" >"${request%.req}.part"
        rm -f "$request"
        mv "${request%.req}.part" "${request%.req}.done"
    done
    sleep 0.02
done
status=0
wait "$driver" || status=$?
exit "$status"
