#!/usr/bin/env bash
# Runs the freedesktop validators over the desktop entry and the AppStream metadata. Software
# centres and menus skip entries with errors, so warnings and hints count as failures too: a
# clean report is the only one that keeps Amorist listed everywhere.
# Usage: validate-metadata.sh DESKTOP_ENTRY METAINFO
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 DESKTOP_ENTRY METAINFO" >&2
    exit 2
fi
desktop=$1
metainfo=$2
failed=0

# desktop-file-validate exits 0 on warnings and hints, so its output decides.
report=$(desktop-file-validate "$desktop" 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$report" ]; then
    echo "desktop-file-validate $desktop (exit $status):"
    echo "$report"
    failed=1
else
    echo "desktop-file-validate: $desktop is clean"
fi

# --strict fails on anything above pedantic severity; --no-net because the screenshot and home
# page addresses are checked by the site, not by a build that may be offline.
if ! appstreamcli validate --no-net --strict "$metainfo"; then
    echo "appstreamcli validate refused $metainfo"
    failed=1
fi

# The two files must name each other: the metadata launches the entry by its file name, and
# both carry the same id the icon is installed under.
id=$(basename "$metainfo" .metainfo.xml)
if ! grep -q "<id>$id</id>" "$metainfo"; then
    echo "$metainfo does not declare the id $id its file name carries"
    failed=1
fi
if ! grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo"; then
    echo "$metainfo does not launch $(basename "$desktop")"
    failed=1
fi
if ! grep -qx "Icon=$id" "$desktop"; then
    echo "$desktop does not use the icon $id"
    failed=1
fi

exit $failed
