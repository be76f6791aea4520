#!/usr/bin/env bash
# Makes sure Debian packages are installed, installing the missing ones with apt-get.
#   source tools/ensure-packages.sh; ensure_packages cmake g++ ...
#   tools/ensure-packages.sh cmake g++ ...
# As root it installs what is missing; otherwise it prints the sudo command to run and fails.

ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "note: not a Debian system; make sure these are installed: $*" >&2
        return 0
    fi

    local missing=() package
    for package in "$@"; do
        if [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) != "install ok installed" ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi

    if [[ $(id -u) -ne 0 ]]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them, then run this again:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi

    echo "Installing Debian packages: ${missing[*]}"
    # Another apt (e.g. unattended upgrades on a new machine) may hold the lock for a while.
    local apt_options=(-o DPkg::Lock::Timeout=600)
    DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" update || return 1
    DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install -y "${missing[@]}" </dev/null || return 1
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    ensure_packages "$@"
fi
