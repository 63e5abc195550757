#!/usr/bin/env bash
# Runs the real program through scenario.sh on an Xvfb display of its own,
# with a window manager, a session bus, a fresh profile folder and SDL's
# file-writing sound driver, in one of three modes:
#   wing     the WinG component; starts doubled, Window size available
#   gdi      "Do Not Use" in the settings; starts normal, no Window size
#   palette  the WinG component on the emulated 256-colour display
# Usage: vandrel_under_xvfb.sh MODE VANDREL TUNE_DIR SCREENSHOT_DIR
# Screenshots and the program's output go to SCREENSHOT_DIR/MODE.
# Exits 77 (skipped) when Xvfb or its companions are not installed.
set -euo pipefail

mode="$1"
export VANDREL="$2" TUNES="$3" SHOTS="$4/$1" MODE="$1"
for tool in Xvfb openbox xdotool import convert compare dbus-run-session gdbus od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work="$(mktemp -d)"
export WORK="$work" SOUND="$work/sound.raw"
export VANDREL_PROFILE_DIR="$work/profile" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw"
mkdir -p "$VANDREL_PROFILE_DIR"
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY VANDREL_DISPLAY

# Earlier runs in the profile: the count must go on from them.
case "$mode" in
wing)
    export START_SIZE=doubled WINDOW_SIZE=available RUNS_BEFORE=0
    ;;
gdi)
    export START_SIZE=normal WINDOW_SIZE=unavailable RUNS_BEFORE=3
    printf "[WinG]\nDo Not Use=1\n[Vandrel]\nNum Runs=3\n" >"$VANDREL_PROFILE_DIR/KORVANTH.INI"
    ;;
palette)
    export START_SIZE=doubled WINDOW_SIZE=available RUNS_BEFORE=7 VANDREL_DISPLAY=palette
    printf "[Vandrel]\nNum Runs=7\n" >"$VANDREL_PROFILE_DIR/KORVANTH.INI"
    ;;
*)
    echo "unknown mode $mode"
    exit 2
    ;;
esac

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_display.sh"
start_xvfb 90 190
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display"

dbus-run-session -- bash "$(dirname "${BASH_SOURCE[0]}")/scenario.sh"
