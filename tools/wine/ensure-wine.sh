#!/usr/bin/env bash
# Makes sure that Wine, Xvfb, the screenshot tools, the Japanese fonts and the ja_JP.UTF-8 locale
# (with which Wine reports code page 932) are installed.
#   source tools/wine/ensure-wine.sh; ensure_wine
#   tools/wine/ensure-wine.sh

source "$(dirname "${BASH_SOURCE[0]}")/../ensure-packages.sh"

ensure_wine() {
    ensure_packages wine wine64 xvfb xauth imagemagick x11-apps x11-utils fonts-ipafont-gothic \
        fonts-ipafont-mincho locales python3 e2fsprogs || return 1
    if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        echo "The ja_JP.UTF-8 locale is missing. Generate it, then run this again:" >&2
        echo "  sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen && sudo locale-gen" >&2
        return 1
    fi
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    ensure_wine
fi
