#!/usr/bin/env bash
# Runs the real program on its own Xvfb display with a window manager and a
# session bus: it must open maximized with its caption, show its menus, open
# Quick Help on F1 and close it on Escape, and end with status 0 on Ctrl+X. Screenshots go to the given folder.
# Usage: vandrel_under_xvfb.sh VANDREL SCREENSHOT_DIR
# Exits 77 (skipped) when Xvfb or its companions are not installed.
set -euo pipefail

vandrel="$1"
shots="$2"
for tool in Xvfb openbox xdotool import dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
mkdir -p "$shots"

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_display.sh"
start_xvfb 90 140
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT

export DISPLAY="$display" VANDREL="$vandrel" SHOTS="$shots"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
dbus-run-session -- bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    openbox_pid=$!
    trap "kill $openbox_pid 2>/dev/null; wait $openbox_pid 2>/dev/null || true" EXIT
    sleep 0.5

    "$VANDREL" >"$SHOTS/vandrel.log" 2>&1 &
    vandrel_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Vandrel 95$" | head -1)
    [[ -n "$window" ]] || { echo "the window never showed"; exit 1; }
    sleep 1.5
    name=$(xdotool getwindowname "$window")
    [[ "$name" == "Vandrel 95" ]] || { echo "caption is \"$name\""; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "window: ${WIDTH} x ${HEIGHT} at ${X}, ${Y}"
    (( WIDTH >= 1000 && HEIGHT >= 700 )) || { echo "not maximized"; exit 1; }
    import -window root "$SHOTS/vandrel.png"

    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    # The mouse resting on the exit button: its tooltip, and its prompt in
    # the message pane.
    xdotool mousemove --window "$window" 22 42
    sleep 1.5
    import -window root "$SHOTS/vandrel-tooltip.png"
    xdotool mousemove --window "$window" 500 400
    sleep 0.3

    xdotool key --clearmodifiers alt+d
    sleep 0.7
    import -window root "$SHOTS/vandrel-display-menu.png"
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    sleep 0.3

    xdotool key F1
    help=$(timeout 10 xdotool search --sync --onlyvisible --name "^Quick Help$" | head -1)
    [[ -n "$help" ]] || { echo "F1 showed no Quick Help"; exit 1; }
    sleep 0.5
    import -window root "$SHOTS/vandrel-quick-help.png"
    xdotool key Escape
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^Quick Help$" >/dev/null 2>&1 || break
        sleep 0.1
    done
    if xdotool search --onlyvisible --name "^Quick Help$" >/dev/null 2>&1; then
        echo "Escape left Quick Help open"
        exit 1
    fi

    xdotool key --clearmodifiers ctrl+x
    for _ in $(seq 100); do
        kill -0 "$vandrel_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$vandrel_pid" 2>/dev/null; then
        echo "Ctrl+X did not end the program"
        kill "$vandrel_pid"
        exit 1
    fi
    status=0
    wait "$vandrel_pid" || status=$?
    echo "exit status: $status"
    exit "$status"
'
