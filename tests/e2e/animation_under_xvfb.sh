#!/usr/bin/env bash
# The animated view as a user meets it, on an Xvfb display of its own with a
# window manager, a session bus and SDL's file-writing audio driver: the
# picture moves on a grey backdrop, the keys change its size and picture,
# tune 1 plays once the window is active and F10 silences it, a benchmark
# sent over the session bus reports in the status bar, every run is counted,
# "Do Not Use" starts it at normal size with Window mode unavailable, and
# the emulated 256-colour display shows it too.
# Usage: animation_under_xvfb.sh VANDREL TUNE1_WAV SCREENSHOT_DIR
# Exits 77 (skipped) when Xvfb or its companions are not installed.
set -euo pipefail

vandrel="$1"
tune1="$2"
shots="$3"
for tool in Xvfb openbox xdotool import convert compare dbus-run-session gdbus cmp; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
mkdir -p "$shots"
work="$(mktemp -d)"

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_display.sh"
start_xvfb 141 190
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY="$display" VANDREL="$vandrel" TUNE1="$tune1" SHOTS="$shots" WORK="$work"
export VANDREL_PROFILE_DIR="$work/profile" SDL_AUDIODRIVER=disk
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
dbus-run-session -- bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    trap "kill $! 2>/dev/null || true" EXIT
    sleep 0.5

    # The colour of one screen pixel, as "r,g,b".
    pixel() {
        convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
    }
    fail() { echo "$*"; exit 1; }

    # Starts the program and waits for its window; sets $pid and $window.
    start() {
        SDL_DISKAUDIOFILE="$WORK/$1.raw" "$VANDREL" >"$SHOTS/$1.log" 2>&1 &
        pid=$!
        window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Vandrel 95$" | head -1)
        [[ -n "$window" ]] || fail "the window never showed"
        xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
        sleep 1.5
    }
    stop() {
        xdotool key --clearmodifiers ctrl+x
        local status=0
        timeout 10 tail --pid="$pid" -f /dev/null || fail "Ctrl+X did not end the program"
        wait "$pid" || status=$?
        [[ $status -eq 0 ]] || fail "exit status $status"
    }
    # The picture is centred in the free area, which is centred on the
    # screen give or take the bars: sample inside a 256 picture, inside a
    # 512 one only, and in the corner of the backdrop.
    centre_x=512; centre_y=400
    inner() { pixel "$1" $((centre_x + 40)) $((centre_y + 40)); }
    outer() { pixel "$1" $((centre_x + 200)) $((centre_y + 200)); }
    backdrop() { pixel "$1" 20 $((centre_y + 300)); }
    grey="192,192,192"

    start first
    import -window root "$SHOTS/doubled-1.png"
    sleep 1
    import -window root "$SHOTS/doubled-2.png"
    [[ $(backdrop "$SHOTS/doubled-1.png") == "$grey" ]] || fail "the backdrop is not grey"
    [[ $(outer "$SHOTS/doubled-1.png") != "$grey" ]] || fail "it did not start doubled"
    differing=$(compare -metric AE -crop 512x512+256+144 "$SHOTS/doubled-1.png" \
        "$SHOTS/doubled-2.png" null: 2>&1 || true)
    (( ${differing%% *} > 1000 )) || fail "the picture does not move ($differing pixels differ)"

    # Tune 1 plays now that the window is active; on a busy machine the
    # device may take a moment to write its first buffers.
    bytes=4096
    for _ in $(seq 100); do
        (( $(stat -c %s "$WORK/first.raw" 2>/dev/null || echo 0) >= bytes )) && break
        sleep 0.1
    done
    cmp -s -n "$bytes" "$WORK/first.raw" <(tail -c +45 "$TUNE1") ||
        fail "the sound device did not receive tune 1"

    xdotool key --clearmodifiers ctrl+n
    sleep 0.5
    import -window root "$SHOTS/normal.png"
    [[ $(outer "$SHOTS/normal.png") == "$grey" ]] || fail "Ctrl+N left it doubled"
    [[ $(inner "$SHOTS/normal.png") != "$grey" ]] || fail "Ctrl+N showed no picture"
    xdotool key --clearmodifiers ctrl+w
    sleep 0.5
    import -window root "$SHOTS/window.png"
    [[ $(backdrop "$SHOTS/window.png") != "$grey" ]] || fail "Ctrl+W did not fill the window"
    xdotool key --clearmodifiers ctrl+d
    sleep 0.5
    xdotool key --clearmodifiers ctrl+b
    sleep 0.5
    import -window root "$SHOTS/picture-2.png"

    # F10: silence from then on.
    xdotool key F10
    sleep 0.5
    size=$(stat -c %s "$WORK/first.raw")
    sleep 1.5
    # Whole files only between these commands: a reader that stops early
    # would end its writer with SIGPIPE, which pipefail takes for a failure.
    tail -c +$((size + 1)) "$WORK/first.raw" >"$WORK/after-f10.raw"
    [[ -s "$WORK/after-f10.raw" ]] || fail "the sound device stopped writing"
    (( $(tr -d "\200" <"$WORK/after-f10.raw" | wc -c) == 0 )) || fail "F10 did not silence it"

    # A benchmark, sent and read back over the session bus.
    call() {
        gdbus call --session --dest org.korvanth.Vandrel --object-path /org/korvanth/Vandrel \
            --method "org.korvanth.Vandrel.$1" "$2"
    }
    call PostCommand 32783 >/dev/null
    sleep 2
    report=$(call GetPaneText 0)
    echo "pane 0: $report"
    [[ "$report" =~ Rendered\ [0-9]+\ frames\ in\ 1\ second\ \([0-9]+\ ms\)\ at\ 512\ x\ 512 ]] ||
        fail "no benchmark report"
    import -window root "$SHOTS/benchmark.png"
    stop
    grep -qx "Num Runs=1" "$VANDREL_PROFILE_DIR/KORVANTH.INI" || fail "the run was not counted"

    # The same settings with "Do Not Use": normal size, and Ctrl+W does nothing.
    printf "[WinG]\nDo Not Use=1\n" >>"$VANDREL_PROFILE_DIR/KORVANTH.INI"
    start second
    import -window root "$SHOTS/gdi-normal.png"
    [[ $(outer "$SHOTS/gdi-normal.png") == "$grey" ]] || fail "Do Not Use did not start normal"
    xdotool key --clearmodifiers ctrl+w
    sleep 0.5
    import -window root "$SHOTS/gdi-ctrl-w.png"
    [[ $(backdrop "$SHOTS/gdi-ctrl-w.png") == "$grey" ]] || fail "Window mode worked without WinG"
    stop
    grep -qx "Num Runs=2" "$VANDREL_PROFILE_DIR/KORVANTH.INI" || fail "the second run was not counted"

    # On the emulated 256-colour display: the grey is one of its static
    # colours, and the picture moves through its identity palette.
    printf "[Vandrel]\nNum Runs=2\n" >"$VANDREL_PROFILE_DIR/KORVANTH.INI"
    VANDREL_DISPLAY=palette start third
    import -window root "$SHOTS/palette-1.png"
    sleep 1
    import -window root "$SHOTS/palette-2.png"
    [[ $(backdrop "$SHOTS/palette-1.png") == "$grey" ]] || fail "no grey backdrop on the palette display"
    [[ $(outer "$SHOTS/palette-1.png") != "$grey" ]] || fail "no doubled picture on the palette display"
    differing=$(compare -metric AE -crop 512x512+256+144 "$SHOTS/palette-1.png" \
        "$SHOTS/palette-2.png" null: 2>&1 || true)
    (( ${differing%% *} > 1000 )) || fail "the picture does not move on the palette display"
    stop
    echo "all checks passed"
'
