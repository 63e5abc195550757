#!/usr/bin/env bash
# Measures the program's frame rates against the ceiling of the display path,
# first on an Xvfb display of its own (with a window manager and a session
# bus), then on Qt's offscreen platform (with a session bus): the ceiling
# program, then the program's 1- and 10-second benchmarks at Doubled and
# Window size, with the WinG component and without it ("Do Not Use"), each
# sent over the session bus and read back from the status bar. Prints a table
# of frame rates and their ratios to the ceiling on the same platform.
# Figures from a shared machine are noisy: compare them within one run.
# Usage: compare_with_ceiling.sh VANDREL [CEILING]
#   VANDREL  the program, e.g. build/bin/vandrel
#   CEILING  the ceiling program (default: vandrel_display_ceiling beside VANDREL)
set -euo pipefail

readonly kService=org.korvanth.Vandrel
readonly kObject=/org/korvanth/Vandrel
readonly kBench1s=32783 kBench10s=32784
readonly kDoubled=32777 kWindow=32779 kExit=57665
readonly kStartTimeout=30   # seconds for a window or the service to answer
readonly kReportSlack=30    # seconds a benchmark may overrun before it counts as lost

fail() {
    echo "compare_with_ceiling: $*" >&2
    exit 1
}

# ---------------------------------------------------------------------------
# One platform, run inside dbus-run-session by the outer part below.
# Writes one file per figure into $RESULTS/$PLATFORM.<case>.

# A method of the program's session-bus service; $1 is the method, $2 its
# argument, $3 how long to wait for the answer.
call() {
    timeout "$3" gdbus call --session --dest "$kService" --object-path "$kObject" \
        --method "$kService.$1" "$2" 2>/dev/null
}

pane_text() {
    call GetPaneText 0 "${1:-5}"
}

post() {
    call PostCommand "$1" 5 >/dev/null || fail "$PLATFORM: command $1 was not accepted"
}

# Starts the program with a fresh profile folder ($1 holds its settings, may
# be empty) and waits until its service answers; sets $pid.
start_program() {
    local settings="$1" label="$2"
    local profile
    profile="$(mktemp -d "$WORK/profile.XXXX")"
    [[ -z "$settings" ]] || printf "%s" "$settings" >"$profile/KORVANTH.INI"
    VANDREL_PROFILE_DIR="$profile" SDL_AUDIODRIVER=dummy \
        "$VANDREL" >"$WORK/$PLATFORM.$label.log" 2>&1 &
    pid=$!
    local waited=0
    until pane_text 2 >/dev/null; do
        kill -0 "$pid" 2>/dev/null ||
            fail "$PLATFORM: the program ended at start-up (log: $WORK/$PLATFORM.$label.log)"
        ((waited++ < kStartTimeout * 2)) ||
            fail "$PLATFORM: the program's session-bus service did not answer in ${kStartTimeout} s"
        sleep 0.5
    done
    if [[ "$PLATFORM" == xcb ]]; then
        window=$(timeout "$kStartTimeout" xdotool search --sync --onlyvisible --name "^Vandrel 95$" |
            head -1) || true
        [[ -n "$window" ]] || fail "$PLATFORM: the program's window did not show"
        # Keys reach only the active window.
        timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    fi
    # Let start-up settle: the first frames, activation, the tune.
    sleep 1
}

stop_program() {
    call PostCommand "$kExit" 5 >/dev/null || true
    if ! timeout 15 tail --pid="$pid" -f /dev/null; then
        echo "compare_with_ceiling: $PLATFORM: the program did not exit, stopping it" >&2
        kill "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
    pid=""
}

# Chooses a display size: keys on the X display, as a user would, and the
# session bus on the offscreen platform, where no keys can be sent.
choose_size() {
    local key="$1" command="$2"
    if [[ "$PLATFORM" == xcb ]]; then
        timeout 10 xdotool key --clearmodifiers "$key" || fail "$PLATFORM: xdotool could not send $key"
    else
        post "$command"
    fi
    sleep 0.5
}

# Runs one timed benchmark ($1 seconds) and records its frame rate as $2.
benchmark() {
    local seconds="$1" case="$2" command pattern before report
    if ((seconds == 1)); then
        command=$kBench1s
        pattern="Rendered ([0-9]+) frames in 1 second \(([0-9]+) ms\) at ([0-9]+) x ([0-9]+)"
    else
        command=$kBench10s
        pattern="Rendered ([0-9]+) frames in $seconds seconds \(([0-9]+) ms\) at ([0-9]+) x ([0-9]+)"
    fi
    before="$(pane_text || true)"
    post "$command"
    local deadline=$((SECONDS + seconds + kReportSlack))
    while :; do
        # The service answers between frames only after the run, so a call
        # made during it waits; the timeout covers the whole run.
        report="$(pane_text $((seconds + kReportSlack)) || true)"
        if [[ "$report" != "$before" && "$report" =~ $pattern ]]; then
            break
        fi
        ((SECONDS < deadline)) || fail "$PLATFORM: no report of the $seconds-second benchmark ($case)"
        sleep 0.2
    done
    local frames=${BASH_REMATCH[1]} ms=${BASH_REMATCH[2]}
    echo "  $case: ${BASH_REMATCH[0]}"
    ((ms > 0)) || ms=1
    echo "$((frames * 1000 / ms)) ${BASH_REMATCH[3]}x${BASH_REMATCH[4]}" >"$RESULTS/$PLATFORM.$case"
}

ceiling() {
    local seconds="$1" output
    output="$(timeout $((seconds + kStartTimeout)) "$CEILING" --seconds "$seconds" 2>&1)" ||
        fail "$PLATFORM: the ceiling program failed: $output"
    [[ "$output" =~ frames\ per\ second:\ ([0-9]+) ]] ||
        fail "$PLATFORM: the ceiling program printed no frame rate: $output"
    echo "  ceiling-${seconds}s: ${BASH_REMATCH[1]} frames per second"
    echo "${BASH_REMATCH[1]} 512x512" >"$RESULTS/$PLATFORM.ceiling-${seconds}s"
}

# Whatever this run started ends with it, also when a step fails.
stop_leftovers() {
    local p
    for p in "$pid" "$openbox_pid"; do
        if [[ -n "$p" ]]; then
            kill "$p" 2>/dev/null || true
            wait "$p" 2>/dev/null || true
        fi
    done
}

measure_platform() {
    pid=""
    openbox_pid=""
    trap stop_leftovers EXIT
    if [[ "$PLATFORM" == xcb ]]; then
        openbox >/dev/null 2>&1 &
        openbox_pid=$!
        sleep 0.5
        kill -0 "$openbox_pid" 2>/dev/null || fail "openbox did not start"
    fi
    echo "== $PLATFORM"
    ceiling 1
    ceiling 10

    # With the component the program starts Doubled on a screen wider than
    # 640; choosing it again costs nothing and makes sure.
    start_program "" wing
    choose_size ctrl+d "$kDoubled"
    benchmark 1 wing-doubled-1s
    benchmark 10 wing-doubled-10s
    choose_size ctrl+w "$kWindow"
    benchmark 1 wing-window-1s
    benchmark 10 wing-window-10s
    stop_program

    # Without it the program starts Normal and has no Window size.
    start_program $'[WinG]\nDo Not Use=1\n' gdi
    choose_size ctrl+d "$kDoubled"
    benchmark 1 gdi-doubled-1s
    benchmark 10 gdi-doubled-10s
    stop_program
}

if [[ "${1:-}" == --platform ]]; then
    PLATFORM="$2"
    measure_platform
    exit 0
fi

# ---------------------------------------------------------------------------
# The outer part: tools, the Xvfb display, both platforms, the table.

(($# >= 1)) || fail "usage: compare_with_ceiling.sh VANDREL [CEILING]"
VANDREL="$(realpath "$1")"
CEILING="$(realpath "${2:-$(dirname "$VANDREL")/vandrel_display_ceiling}")"
[[ -x "$VANDREL" ]] || fail "$VANDREL is not an executable"
[[ -x "$CEILING" ]] || fail "$CEILING is not an executable (build vandrel_display_ceiling)"
for tool in Xvfb openbox xdotool dbus-run-session gdbus timeout realpath; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
done

WORK="$(mktemp -d)"
RESULTS="$WORK/results"
mkdir -p "$RESULTS"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
export VANDREL CEILING WORK RESULTS
unset WAYLAND_DISPLAY

# The end-to-end tests' display starter: the first free number, a lost race
# for it made good on the next.
source "$(dirname "$0")/../tests/e2e/xvfb_display.sh"
start_xvfb 100 199

# A failure on one platform leaves its figures out but still measures the other.
DISPLAY="$display" QT_QPA_PLATFORM=xcb timeout 600 \
    dbus-run-session -- bash "$0" --platform xcb || echo "compare_with_ceiling: Xvfb run incomplete" >&2
kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""

env -u DISPLAY QT_QPA_PLATFORM=offscreen timeout 600 \
    dbus-run-session -- bash "$0" --platform offscreen ||
    echo "compare_with_ceiling: offscreen run incomplete" >&2

# One cell: the frame rate and its ratio to the ceiling of the same length.
cell() {
    local platform="$1" case="$2" seconds="$3" fps ceiling
    if [[ "$case" == n/a ]]; then
        printf "%10s %7s" n/a n/a
        return
    fi
    if [[ ! -s "$RESULTS/$platform.$case" || ! -s "$RESULTS/$platform.ceiling-$seconds" ]]; then
        printf "%10s %7s" "-" "-"
        return
    fi
    read -r fps _ <"$RESULTS/$platform.$case"
    read -r ceiling _ <"$RESULTS/$platform.ceiling-$seconds"
    printf "%10s %6s%%" "$fps" "$((fps * 100 / (ceiling > 0 ? ceiling : 1)))"
}

echo
printf "%-28s %10s %7s   %10s %7s\n" "frames per second" "Xvfb" "ratio" "offscreen" "ratio"
row() {
    printf "%-28s %s   %s\n" "$1" "$(cell xcb "$2" "$3")" "$(cell offscreen "$2" "$3")"
}
row "ceiling, 1 s" ceiling-1s 1s
row "ceiling, 10 s" ceiling-10s 10s
row "WinG, Doubled, 1 s" wing-doubled-1s 1s
row "WinG, Doubled, 10 s" wing-doubled-10s 10s
row "WinG, Window, 1 s" wing-window-1s 1s
row "WinG, Window, 10 s" wing-window-10s 10s
row "no WinG, Doubled, 1 s" gdi-doubled-1s 1s
row "no WinG, Doubled, 10 s" gdi-doubled-10s 10s
row "no WinG, Window" n/a 1s
for platform in xcb offscreen; do
    if [[ -s "$RESULTS/$platform.wing-window-10s" ]]; then
        read -r _ size <"$RESULTS/$platform.wing-window-10s"
        echo "Window size on $platform: $size"
    fi
done
