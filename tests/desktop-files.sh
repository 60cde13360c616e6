#!/bin/sh
# Validates the desktop entry and the AppStream metainfo as software centres read them.
set -eu
data=$1
version=$2
desktop-file-validate "$data/org.videofold.Videofold.desktop"
appstreamcli validate --no-net "$data/org.videofold.Videofold.metainfo.xml"
# File managers offer it for videos under Open With, and hand it the file.
grep -q '^MimeType=.*video/mp4;' "$data/org.videofold.Videofold.desktop"
grep -qx 'Exec=videofold %U' "$data/org.videofold.Videofold.desktop"
# Each screenshot the metainfo lists is a picture scripts/screenshot grabs into docs/.
for image in $(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$data/org.videofold.Videofold.metainfo.xml"); do
    [ -s "$data/../docs/$image" ] || { echo "the metainfo lists $image, which docs/ lacks"; exit 1; }
done
grep -q "<release version=\"$version\"" "$data/org.videofold.Videofold.metainfo.xml" \
    || { echo "the metainfo has no release $version"; exit 1; }
