#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when
# any is missing. Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail

VANDREL_PACKAGES=(
    cmake g++ ninja-build qt6-base-dev libsdl2-dev libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format xvfb xauth xdotool x11-apps imagemagick sox
    openbox dbus libglib2.0-bin desktop-file-utils dpkg-dev
)

vandrel_install_packages() {
    local missing=()
    for package in "${VANDREL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if ((EUID != 0)); then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# vandrel_build DIR [cmake options...]: configures and builds into DIR.
vandrel_build() {
    local dir="$1"
    shift
    cmake -S "$VANDREL_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

VANDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
