#!/bin/sh
# Builds the .deb from this build tree, checks it with lintian, extracts it (no
# installation) and runs the extracted binary: it must find its media tools,
# through their relative links, and probe a real video.
set -eu
build=$1
video=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'ffmpeg' || { echo "Depends lacks ffmpeg"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the shared libraries"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-wayland' || { echo "Recommends lacks qt6-wayland"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n' || { echo "Recommends lacks qt6-translations-l10n"; exit 1; }
dpkg-deb -x "$deb" "$work/root"

# Debian's standard: no error and no warning from lintian.
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>/dev/null || {
        echo "lintian reports errors or warnings:"; lintian --tag-display-limit 0 "$deb"; exit 1; }
fi
grep -q '^MimeType=.*video/mp4' "$work/root/usr/share/applications/org.videofold.Videofold.desktop"

# The tool links are relative, to where the ffmpeg package puts the tools: stand
# the system's tools in there, as installing the dependency would.
for tool in ffmpeg ffprobe; do
    [ -e "$work/root/usr/bin/$tool" ] || ln -s "$(command -v $tool)" "$work/root/usr/bin/$tool"
done

unset VIDEOFOLD_RESOURCES
report=$(QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/videofold" --check-tools "$video")
echo "$report"
echo "$report" | grep -qx "resources: $work/root/usr/lib/videofold/resources"
echo "$report" | grep -q '^probe: .*accepted$'

# The packaged command exports without a display, with the packaged tools.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$work/root/usr/bin/videofold" export -q --approximate-size -o "$work/exported" "$video")
[ -s "$work/exported/html5video.mp4" ] && [ -s "$work/exported/poster.jpg" ] && [ -s "$work/exported/html5Video.html" ]
