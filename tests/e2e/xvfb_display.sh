# Sourced by the end-to-end scripts: start_xvfb FIRST LAST starts an Xvfb
# display on the first free number in FIRST..LAST, waits for its socket, and
# sets $display and $xvfb_pid; the caller stops it. Another run may take the
# same number between the look and the start: the lock file names the server
# that won, and a lost number makes way for the next one.
start_xvfb() {
    local n lock
    for n in $(seq "$1" "$2"); do
        lock="/tmp/.X${n}-lock"
        [[ ! -e "$lock" && ! -e "/tmp/.X11-unix/X${n}" ]] || continue
        display=":$n"
        Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            if [[ -e "/tmp/.X11-unix/X${n}" && -e "$lock" ]]; then
                [[ $(tr -d ' \n' <"$lock") == "$xvfb_pid" ]] && return 0
                break
            fi
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    echo "no Xvfb display could start in :$1 to :$2"
    exit 1
}
