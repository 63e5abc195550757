#!/usr/bin/env bash
# With no display to connect to, the program says so in one line on standard
# error and fails; it does not crash.
# Usage: no_display.sh VANDREL
set -uo pipefail

check() {
    local stderr status
    stderr=$("$@" 2>&1 >/dev/null)
    status=$?
    echo "status $status: $stderr"
    if ((status == 0 || status > 125)); then
        echo "expected a plain failure status"
        return 1
    fi
    if [[ $(printf '%s\n' "$stderr" | wc -l) -ne 1 || "$stderr" != "vandrel: cannot open the display"* ]]; then
        echo "expected one line about the display"
        return 1
    fi
}

check env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" &&
    check env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:199 "$1"
