#!/bin/sh
# Runs a test without root's permission overrides, for it and every child it
# starts, so that unreadable files and read-only folders are what they are for
# the users of the application. Elsewhere, or where they cannot be given up,
# the test runs as it is (and its rows that need them skip).
if [ "$(id -u)" = 0 ] && setpriv --bounding-set=-dac_override,-dac_read_search \
        --inh-caps=-dac_override,-dac_read_search true 2>/dev/null; then
    exec setpriv --bounding-set=-dac_override,-dac_read_search --inh-caps=-dac_override,-dac_read_search "$@"
fi
exec "$@"
