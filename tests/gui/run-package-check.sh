#!/usr/bin/env bash
# Unpacks the Windows archive into ./unpacked and runs the GUI test driver on the program in it.
#   tests/gui/run-package-check.sh ARCHIVE.zip DRIVER.EXE TABLE [DRIVER ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
archive=$1
driver=$2
shift 2
rm -rf unpacked
mkdir unpacked
(cd unpacked && cmake -E tar xf "$archive")
program=$(find unpacked -name VOTRA_95.EXE | head -n 1)
if [[ -z $program ]]; then
    echo "no VOTRA_95.EXE in $archive"
    exit 1
fi
exec "$here/../../tools/wine/gui-test.sh" "$driver" "$PWD/$program" "$@"
