#!/bin/sh
# Puts the pages of tests/data/pages/ (the bytes tst_exportcore expects the export
# to write) through the W3C's Nu HTML Checker, as scripts/install-deps caches it:
# the visitor pages without an error or a warning, and, as the negative control,
# the minimal page with the title it lacks. Skipped (77) without Java or the checker.
set -eu
pages=$1
jar=$(ls -d "${XDG_CACHE_HOME:-$HOME/.cache}"/videofold/vnu-jar-*/node_modules/vnu-jar/build/dist/vnu.jar 2>/dev/null | tail -n 1)
if [ -z "$jar" ] || ! command -v java >/dev/null; then
    echo "Java or the Nu HTML Checker is missing: skipped"
    exit 77
fi
java -jar "$jar" --also-check-css "$pages"/visitor-*.html
report=$(java -jar "$jar" --errors-only "$pages/minimal-all-switches.html" 2>&1 || true)
echo "$report" | grep -q title || { echo "the checker did not miss the minimal page's title: $report"; exit 1; }
