#!/bin/sh
# Runs a test under Weston's headless compositor, on Qt's Wayland platform, at
# the scale given (1 or 2): under-weston.sh SCALE TEST [ARGUMENTS...]. Exits 77
# (skipped) where Weston or Qt's Wayland platform is missing.
scale=$1
shift
if ! command -v weston >/dev/null 2>&1; then
    echo "skipped: weston is missing (Debian's weston package)"
    exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "skipped: Qt's Wayland platform is missing (Debian's qt6-wayland package)"
    exit 77
fi
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/videofold-weston-XXXXXX")
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
socket=videofold-test
weston --backend=headless-backend.so --socket=$socket --scale="$scale" --idle-time=0 \
    >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
tries=0
while [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 $weston 2>/dev/null; then
        echo "weston did not start:"
        cat "$XDG_RUNTIME_DIR/weston.log"
        exit 1
    fi
    sleep 0.1
done
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
