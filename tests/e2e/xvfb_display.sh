# Sourced by the end-to-end scripts: start_xvfb FIRST LAST starts an Xvfb
# display on the first free number in FIRST..LAST, waits for its socket, and
# sets $display and $xvfb_pid; the caller stops it. Each script takes its own
# range, so two scripts running at once never reach for the same display.
start_xvfb() {
    display=""
    for n in $(seq "$1" "$2"); do
        if [[ ! -e "/tmp/.X${n}-lock" && ! -e "/tmp/.X11-unix/X${n}" ]]; then
            display=":$n"
            break
        fi
    done
    [[ -n "$display" ]] || { echo "no free display number"; exit 1; }
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [[ -e "/tmp/.X11-unix/X${display#:}" ]] && break
        sleep 0.1
    done
}
