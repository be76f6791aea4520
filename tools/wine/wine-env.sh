# Sourced by the other scripts here: the Wine prefix and settings that the program and the tests use.
#   VOTRANA_WINEPREFIX  the prefix (default: build/wine-prefix in the source tree)

votrana_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${VOTRANA_WINEPREFIX:-$votrana_source_dir/build/wine-prefix}
# 64-bit only: Debian's wrapper complains about a missing wine32 unless the debug channels are off.
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The prefix's removable disk (setup-prefix.sh), for the tests of the drive checks.
export VOTRANA_REMOVABLE_DISK='R:\'
