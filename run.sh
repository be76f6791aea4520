#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source tools/ensure-packages.sh

build_native() {
    ensure_packages cmake g++ make libgtest-dev
    cmake --preset native
    cmake --build --preset native
}

build_windows() {
    ensure_packages cmake make g++-mingw-w64-x86-64
    cmake --preset windows
    cmake --build --preset windows
}

start_program() {
    echo
    echo "Built the engine in build/native."
    echo "The Windows program VOTRA_95.EXE comes later; there is nothing to start yet."
}

build_native
if [[ -f app/CMakeLists.txt ]]; then
    build_windows
fi
start_program
