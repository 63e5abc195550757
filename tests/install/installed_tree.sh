#!/usr/bin/env bash
# Installs the build into a scratch root the way a package does (DESTDIR,
# prefix /usr), then checks that exactly the expected files land where the
# desktop looks for them, that the desktop entry is valid, and that the
# installed program resolves its libraries inside the installed tree and
# starts: with no display it must get as far as saying so, which a missing
# library (the loader's status 127) would prevent.
# Usage: installed_tree.sh CMAKE BUILD_DIR WORK_DIR BINDIR LIBDIR DATADIR
set -uo pipefail

cmake=$1 build=$2 work=$3 bindir=$4 libdir=$5 datadir=$6
root=$work/root
app=org.korvanth.Vandrel
failed=0

fail() {
    echo "FAIL: $*"
    failed=1
}

rm -rf "$work"
mkdir -p "$work"
if ! DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

expected=$(sort <<LIST
usr/$bindir/vandrel
usr/$libdir/vandrel/libvandrel-platform.so
usr/$libdir/vandrel/libwing32.so
usr/$datadir/applications/$app.desktop
usr/$datadir/icons/hicolor/32x32/apps/$app.png
usr/$datadir/icons/hicolor/64x64/apps/$app.png
usr/$datadir/icons/hicolor/128x128/apps/$app.png
LIST
)
installed=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
if [[ "$installed" != "$expected" ]]; then
    diff <(echo "$expected") <(echo "$installed")
    fail "the installed files differ from the expected ones (< expected, > installed)"
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/$datadir/applications/$app.desktop" ||
        fail "desktop-file-validate rejects the desktop entry"
else
    echo "desktop-file-validate is not installed: not validating the desktop entry"
fi

# Each binary must find the platform layer in the installed library folder,
# never in the build tree it came from.
platform=$root/usr/$libdir/vandrel/libvandrel-platform.so
for binary in "$root/usr/$bindir/vandrel" "$root/usr/$libdir/vandrel/libwing32.so"; do
    resolved=$(env -u LD_LIBRARY_PATH ldd "$binary" | awk '$1 == "libvandrel-platform.so" { print $3 }')
    if [[ -z "$resolved" || "$(realpath -m "$resolved")" != "$(realpath "$platform")" ]]; then
        fail "${binary#"$root"/} finds libvandrel-platform.so at '${resolved:-nowhere}', not in the installed library folder"
    fi
done

stderr=$(env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/$bindir/vandrel" 2>&1 >/dev/null)
status=$?
echo "installed vandrel without a display: status $status: $stderr"
if ((status != 1)) || [[ "$stderr" != "vandrel: cannot open the display"* ]]; then
    fail "the installed program did not start as far as looking for the display"
fi

exit $failed
