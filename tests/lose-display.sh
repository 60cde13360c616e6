#!/bin/sh
# Runs the lost-display test on Qt's X11 platform under Xvfb (x11) or on its
# Wayland platform under Weston's headless compositor (wayland), lets the test
# kill that server mid-export, and checks what the program left: lose-display.sh
# x11|wayland TEST. Exits 77 (skipped) where the server or the platform is missing.
platform=$1
shift
work=$(mktemp -d "${TMPDIR:-/tmp}/videofold-lost-XXXXXX")
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/tmp"
# Waits until the server has started, as the test (-s FILE, -S SOCKET) given tells.
wait_for_server() {
    tries=0
    while ! test "$1" "$2"; do
        tries=$((tries + 1))
        [ $tries -le 100 ] && kill -0 $server 2>/dev/null || { echo "the display server did not start:"; cat "$work/server.log"; exit 1; }
        sleep 0.1
    done
}
case $platform in
x11)
    command -v Xvfb >/dev/null 2>&1 || { echo "skipped: Xvfb is missing (Debian's xvfb package)"; exit 77; }
    Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" >"$work/server.log" 2>&1 &
    server=$!
    wait_for_server -s "$work/display"
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    QT_QPA_PLATFORM=xcb
    ;;
wayland)
    command -v weston >/dev/null 2>&1 || { echo "skipped: weston is missing (Debian's weston package)"; exit 77; }
    XDG_RUNTIME_DIR=$work
    export XDG_RUNTIME_DIR
    chmod 700 "$work"
    weston --backend=headless-backend.so --socket=lost --idle-time=0 >"$work/server.log" 2>&1 &
    server=$!
    wait_for_server -S "$work/lost"
    WAYLAND_DISPLAY=lost
    export WAYLAND_DISPLAY
    QT_QPA_PLATFORM=wayland
    ;;
esac
export QT_QPA_PLATFORM
VIDEOFOLD_LOST_DISPLAY_FOLDER=$work/exported
VIDEOFOLD_DISPLAY_SERVER=$server
TMPDIR=$work/tmp
export VIDEOFOLD_LOST_DISPLAY_FOLDER VIDEOFOLD_DISPLAY_SERVER TMPDIR
"$@" >"$work/test.log" 2>&1
status=$?
cat "$work/test.log"
failed=0
[ $status -eq 3 ] || { echo "FAIL: exit status $status, not 3 (the display went away)"; failed=1; }
[ ! -e "$work/exported" ] || { echo "FAIL: the export's folder stayed: $(ls "$work/exported")"; failed=1; }
[ -z "$(ls -d "$work"/tmp/videofold-* 2>/dev/null)" ] || { echo "FAIL: temporary folders stayed: $(ls "$work/tmp")"; failed=1; }
sleep 0.5
if pgrep -f "$work/exported" >/dev/null; then
    echo "FAIL: a tool still runs: $(pgrep -af "$work/exported")"
    failed=1
fi
if grep -q "Sanitizer" "$work/test.log"; then
    echo "FAIL: a sanitizer report"
    failed=1
fi
exit $failed
