#!/usr/bin/env bash
# One session with the program as a person has it, on the display, session
# bus and profile vandrel_under_xvfb.sh prepared: the picture moves on a grey
# backdrop; the sizes, pictures and tunes change from keys, menu items and
# toolbar buttons; each box opens and closes, the picture and the tune
# standing still while it is open; a benchmark reports in the status bar;
# Ctrl+X ends the program and the run is counted. The mode only changes what
# to expect: $START_SIZE, whether $WINDOW_SIZE is "available", $RUNS_BEFORE.
set -euo pipefail

here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/screen_checks.sh"
source "$here/pointing.sh"
source "$here/sound_checks.sh"

fail() {
    echo "$MODE: $*"
    exit 1
}

vandrel_pid=""
openbox >/dev/null 2>&1 &
openbox_pid=$!
stop_all() {
    if [[ -n "$vandrel_pid" ]]; then
        kill "$vandrel_pid" 2>/dev/null || true
        wait "$vandrel_pid" 2>/dev/null || true
    fi
    kill "$openbox_pid" 2>/dev/null || true
    wait "$openbox_pid" 2>/dev/null || true
}
trap stop_all EXIT
sleep 0.5

maximized() {
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ((WIDTH >= 1000 && HEIGHT >= 700))
}

start_program() {
    "$VANDREL" >"$SHOTS/vandrel.log" 2>&1 &
    vandrel_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --limit 1 --name "^Vandrel 95$") ||
        fail "the window never showed"
    within 20 maximized || fail "the window is not maximized"
    [[ $(xdotool getwindowname "$window") == "Vandrel 95" ]] || fail "the caption is wrong"
    # Tunes play while the window is active.
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
}

first_moments() {
    await_size "$START_SIZE" start
    local spot
    for spot in "20 100" "1000 100" "1000 700"; do
        is_grey "$SHOTS/start.png" $spot || fail "the backdrop is not grey at $spot"
    done
    await_motion start
    within 20 written_since 0 4096 || fail "the sound device wrote nothing"
    [[ $(od -An -v -tx1 -N 4096 "$SOUND" | tr -d ' \n') == "$(tune_start_hex 1)" ]] ||
        fail "the sound device did not receive tune 1"
}

# Counted, not grep -q: a reader that stops early would fail the pipe.
tooltip_shows() {
    shot tooltip
    convert "$SHOTS/tooltip.png" -crop 80x40+0+65 +repage -unique-colors -depth 8 txt:- |
        grep -ci "#FFFFDC" >/dev/null
}

# The exit button's prompt in the message pane and its tooltip, pale yellow
# under the pointer; then the Display menu as Alt+D opens it, to look at.
bars_and_menus() {
    point_at "$(toolbar_x exit)" "$toolbar_y" "Exit Vandrel 95"
    within 10 tooltip_shows || fail "no tooltip on the exit button"
    xdotool key --clearmodifiers alt+d
    sleep 0.7
    shot display-menu
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
}

# Picture 1, then Ctrl+B, File > Bitmap #4, and the toolbar's Next Bitmap,
# which goes round to picture 1 again.
pictures() {
    within 20 settled_picture picture-1 "$START_SIZE" || fail "no picture to start with"
    local first="$SHOTS/picture-1-2.colours"
    xdotool key --clearmodifiers ctrl+b
    await_other_picture "$first" picture-2 "$START_SIZE"
    choose_from_menu file bitmap-4 "Select bitmap #4"
    await_other_picture "$SHOTS/picture-2-2.colours" picture-4 "$START_SIZE"
    same_picture "$first" "$SHOTS/picture-4-2.colours" && fail "File > Bitmap #4 showed picture 1"
    click_toolbar next-bitmap "Select the next bitmap"
    await_same_picture "$first" picture-1-again "$START_SIZE"
}

# window_size NAME COMMAND...: Window size where it is available; elsewhere
# the command changes nothing, from normal size.
window_size() {
    local name="$1"
    shift
    "$@"
    if [[ "$WINDOW_SIZE" == available ]]; then
        await_size window "$name"
    else
        keeps_size normal "$name"
    fi
}

choose_window_from_menu() {
    if [[ "$WINDOW_SIZE" == available ]]; then
        choose_from_menu display window "Display the bitmap at the size of the window"
    else
        click_unavailable_item display window "Display the bitmap at the size of the window"
    fi
}

# Each size from keys, from the Display menu (by mouse, and by keyboard), and
# from the toolbar.
sizes() {
    xdotool key --clearmodifiers ctrl+n
    await_size normal size-ctrl-n
    window_size size-ctrl-w xdotool key --clearmodifiers ctrl+w
    xdotool key --clearmodifiers ctrl+d
    await_size doubled size-ctrl-d

    choose_from_menu display normal "Display the bitmap at normal size"
    await_size normal size-menu-normal
    window_size size-menu-window choose_window_from_menu
    xdotool key --clearmodifiers alt+d
    sleep 0.5
    xdotool key d
    await_size doubled size-menu-doubled

    click_toolbar normal "Display the bitmap at normal size"
    await_size normal size-button-normal
    window_size size-button-window click_toolbar window "Display the bitmap at the size of the window"
    click_toolbar doubled "Display the bitmap at double the resolution"
    await_size doubled size-button-doubled
}

# From tune 1: Ctrl+T, Audio > Tune #3, the toolbar's Next Tune going round
# to tune 1, and Alt+A then 2; each new tune starts from its beginning.
tunes() {
    local mark
    mark=$(sound_mark)
    xdotool key --clearmodifiers ctrl+t
    await_tune 2 "$mark" "Ctrl+T"
    mark=$(sound_mark)
    choose_from_menu audio tune-3 "Play tune #3"
    await_tune 3 "$mark" "Audio > Tune #3"
    mark=$(sound_mark)
    click_toolbar next-tune "Play the next tune"
    await_tune 1 "$mark" "Next Tune"
    mark=$(sound_mark)
    xdotool key --clearmodifiers alt+a
    sleep 0.5
    xdotool key 2
    await_tune 2 "$mark" "Alt+A 2"
}

box_closed() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# A second of silence, and not one pixel of the free area changing in it,
# where even a slowly moving picture would change thousands: screenshots
# NAME-1 and NAME-2 before and after.
still_and_silent_second() {
    local silent=0
    shot "$1-1"
    silent_second || silent=1
    shot "$1-2"
    moving=$(differing_pixels "$1-1" "$1-2")
    ((silent == 0 && moving == 0))
}

# await_still_and_silent NAME: such a second comes, once the box has painted
# itself and the sound played just before it has reached the device.
await_still_and_silent() {
    within 20 still_and_silent_second "$1" ||
        fail "$1: never a still and silent second ($moving pixels differ)"
}

# a_box TITLE NAME OPEN CLOSE: OPEN shows the box; while it is open the
# window is inactive, so the tune pauses, and the picture stands still; CLOSE
# closes it, and both go on. $box is the box's window for CLOSE.
a_box() {
    eval "$3"
    box=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name "^$1\$") ||
        fail "$2: no $1 box"
    await_still_and_silent "$2-open"
    eval "$4"
    within 20 box_closed "$1" || fail "$2: the $1 box did not close"
    await_motion "$2-closed"
    await_sound "$2"
}

boxes() {
    a_box "About Vandrel 95" about-from-menu \
        'choose_from_menu help about "Display information about Vandrel 95"' \
        'click_ok "$box" "About Vandrel 95"'
    a_box "About KORVANTH" maker-from-button \
        'click_toolbar maker "Display information about KORVANTH"' \
        'xdotool key Escape'
    a_box "Quick Help" quick-help-from-f1 \
        'xdotool key F1' \
        'click_ok "$box" "Quick Help"'
    a_box "Quick Help" quick-help-from-keyboard \
        'xdotool key --clearmodifiers alt+h; sleep 0.5; xdotool key q' \
        'xdotool key Escape'
}

no_sound() {
    xdotool key F10
    await_silence F10
}

benchmark_reported() {
    report=$(pane_text 0)
    [[ "$report" =~ Rendered\ [0-9]+\ frames\ in\ 1\ second\ \([0-9]+\ ms\)\ at\ 512\ x\ 512 ]]
}

# The one-second benchmark, sent and read back over the session bus; the
# pointer rests on the backdrop, where no prompt replaces the report.
benchmark() {
    xdotool mousemove --window "$window" 20 680
    call PostCommand 32783 >/dev/null
    within 30 benchmark_reported || fail "no benchmark report: \"$report\""
    echo "$MODE: $report"
    shot benchmark
}

exit_with_ctrl_x() {
    xdotool key --clearmodifiers ctrl+x
    timeout 20 tail --pid="$vandrel_pid" -f /dev/null || fail "Ctrl+X did not end the program"
    local status=0
    wait "$vandrel_pid" || status=$?
    vandrel_pid=""
    ((status == 0)) || fail "exit status $status"
    grep -qx "Num Runs=$((RUNS_BEFORE + 1))" "$VANDREL_PROFILE_DIR/KORVANTH.INI" ||
        fail "the run was not counted"
}

# Each step's end time goes to the log: where a slow machine spent its time.
SECONDS=0
for step in start_program first_moments bars_and_menus pictures sizes tunes boxes no_sound \
    benchmark exit_with_ctrl_x; do
    "$step"
    echo "$MODE: $step done at $SECONDS s"
done
echo "$MODE: all checks passed"
