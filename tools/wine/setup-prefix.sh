#!/usr/bin/env bash
# Makes the Wine prefix that the program and the tests run in, once; later calls return at once.
#   tools/wine/setup-prefix.sh [--force]     (--force: make it afresh)
# The prefix gets Wine's own fonts (Debian's wine does not find them), frames drawn by Wine itself
# (there is no window manager under Xvfb), the Japanese face names mapped to the IPA fonts, and a
# removable disk R: (a folder of the prefix that Wine reports as a floppy) for the drive checks.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"

ready=$WINEPREFIX/votrana-prefix.ready
making=$WINEPREFIX/votrana-prefix.making

mkdir -p "$(dirname "$WINEPREFIX")"
# Tests that start at the same time wait here for one of them to make the prefix.
exec 9>"$WINEPREFIX.lock"
flock 9
removable=$WINEPREFIX/votrana-removable.ready
add_removable_disk() {
    mkdir -p "$WINEPREFIX/removable-disk"
    ln -sfn "$WINEPREFIX/removable-disk" "$WINEPREFIX/dosdevices/r:"
    wine reg add 'HKLM\Software\Wine\Drives' /v r: /d floppy /f >/dev/null
    # Wine reads its drives when it starts.
    wineserver -w
    touch "$removable"
}
if [[ -f $ready && ${1:-} != --force ]]; then
    # A prefix made before the removable disk was added gets it now.
    [[ -f $removable ]] || add_removable_disk
    exit 0
fi

# Only a prefix that this script made, or began to make, is thrown away, never someone else's.
if [[ -d $WINEPREFIX && -n $(ls -A "$WINEPREFIX") && ! -f $ready && ! -f $making ]]; then
    echo "$WINEPREFIX exists and was not made by this script; set VOTRANA_WINEPREFIX to another folder." >&2
    exit 1
fi
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
touch "$making"
echo "Making the Wine prefix $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $WINEPREFIX" >&2; exit 1; }
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wine reg import "$(winepath -w "$here/ja_fonts.reg")" >/dev/null
add_removable_disk
touch "$ready"
rm -f "$making"
