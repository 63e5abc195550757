#!/usr/bin/env bash
# Builds the Debian package of this build with CPack and checks what a user
# installing it gets: dependencies that dpkg-shlibdeps found (Qt, SDL and the
# C++ runtime), the program, its WinG component in its own library folder,
# the desktop entry and its icon; then starts the unpacked program the way a
# desktop does, from its desktop entry (gio launch), on an Xvfb display with
# a window manager, and ends it with Ctrl+X.
# Usage: debian_package.sh BUILD_DIR WORK_DIR LIBDIR
# Exits 77 (skipped) when the packaging or display tools are not installed.
set -euo pipefail

build=$1 work=$2 libdir=$3
app=org.korvanth.Vandrel
for tool in cpack dpkg-deb dpkg-shlibdeps gio Xvfb openbox xdotool dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/package/vandrel_*.deb)
[[ -f "${debs[0]}" ]] || fail "cpack wrote no vandrel_*.deb"
deb=${debs[0]}
echo "package: ${deb##*/}"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names alone, one a line.
names=$(tr ',' '\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/[[:space:]]//g')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 libsdl2-2.0-0 libstdc++6 libc6; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/vandrel "usr/$libdir/vandrel/libwing32.so" \
    "usr/$libdir/vandrel/libvandrel-platform.so" "usr/share/applications/$app.desktop" \
    "usr/share/icons/hicolor/64x64/apps/$app.png"; do
    [[ -f "$root/$file" ]] || fail "the package lacks $file"
done
entry=$root/usr/share/applications/$app.desktop
grep -qx "Icon=$app" "$entry" || fail "the desktop entry names another icon"

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/xvfb_display.sh"
start_xvfb 191 240
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT

# The desktop finds the program on the PATH, as it would in /usr/bin.
export DISPLAY="$display" ENTRY="$entry" PATH="$root/usr/bin:$PATH"
export VANDREL_PROFILE_DIR="$work/profile" SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
dbus-run-session -- bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    trap "kill $! 2>/dev/null || true" EXIT
    sleep 0.5
    gio launch "$ENTRY"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Vandrel 95$" | head -1)
    [[ -n "$window" ]] || { echo "FAIL: the desktop entry started no window"; exit 1; }
    pid=$(xdotool getwindowpid "$window")
    program=$(readlink "/proc/$pid/exe")
    echo "running: $program"
    [[ "$program" == "$(realpath "$(dirname "$ENTRY")/../../bin/vandrel")" ]] ||
        { echo "FAIL: the window belongs to $program, not the packaged program"; exit 1; }
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    sleep 1
    xdotool key --clearmodifiers ctrl+x
    timeout 15 tail --pid="$pid" -f /dev/null || { echo "FAIL: Ctrl+X did not end it"; exit 1; }
'
grep -qx "Num Runs=1" "$VANDREL_PROFILE_DIR/KORVANTH.INI" || fail "the run did not end normally"
echo "the packaged program started from its desktop entry and ended normally"
