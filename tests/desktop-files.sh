#!/bin/sh
# Validates the desktop entry and the AppStream metainfo as software centres read them.
set -eu
data=$1
version=$2
desktop-file-validate "$data/org.videofold.Videofold.desktop"
appstreamcli validate --no-net "$data/org.videofold.Videofold.metainfo.xml"
# The application takes no files from its command line.
! grep -q '^MimeType=' "$data/org.videofold.Videofold.desktop"
grep -qx 'Exec=videofold' "$data/org.videofold.Videofold.desktop"
grep -q "<release version=\"$version\"" "$data/org.videofold.Videofold.metainfo.xml" \
    || { echo "the metainfo has no release $version"; exit 1; }
