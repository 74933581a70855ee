#!/usr/bin/env bash
# Renders each manual page as man shows it in an 80-column terminal, with every
# warning groff and man can give, and fails on any warning or on an empty page.
# Usage: check-pages.sh PAGE...
set -uo pipefail

failures=0
for page in "$@"; do
    text=$(MANWIDTH=80 MAN_KEEP_FORMATTING=0 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$text" ]; then
        echo "check-pages: $page: $text"
        failures=$((failures + 1))
    fi
    if [ "$(MANWIDTH=80 man -l "$page" 2>/dev/null | grep -c .)" -lt 10 ]; then
        echo "check-pages: $page renders to almost nothing"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
