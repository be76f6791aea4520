#!/usr/bin/env bash
# Builds the program and starts it (on Linux under Wine).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source tools/ensure-packages.sh
source tools/wine/ensure-wine.sh

build_native() {
    ensure_packages cmake g++ make libgtest-dev
    cmake --preset native
    cmake --build --preset native
}

build_windows() {
    ensure_packages cmake make g++-mingw-w64-x86-64 googletest
    cmake --preset windows
    cmake --build --preset windows --target votrana_program
}

# On Linux the program runs under Wine: on the display that is set, or else inside Xvfb, where a
# picture of its window is saved to $VOTRANA_SCREENSHOT (default build/votrana-window.png).
start_program() {
    local program=build/windows/app/VOTRA_95.EXE
    if [[ $(uname -s) != Linux ]]; then
        echo "Built $program; start it on Windows."
        return 0
    fi
    ensure_wine
    if [[ -n ${DISPLAY:-} ]]; then
        echo "Starting $program under Wine."
        tools/wine/start-program.sh "$program"
    else
        echo "No display is set: starting $program under Wine inside Xvfb."
        tools/wine/start-program.sh --screenshot "${VOTRANA_SCREENSHOT:-build/votrana-window.png}" "$program"
    fi
}

build_native
build_windows
start_program
