#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix, making the prefix first when needed.
# The program's exit code is this script's. CTest uses it as CMAKE_CROSSCOMPILING_EMULATOR.
#   tools/wine/wine-run.sh PROGRAM.EXE [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
"$here/setup-prefix.sh"
exec wine "$@"
