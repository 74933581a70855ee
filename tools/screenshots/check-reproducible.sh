#!/usr/bin/env bash
# Renders every window twice into fresh folders and compares the two sets
# byte for byte: check-reproducible.sh <amorist-screenshots binary>
set -uo pipefail

readonly tool=$1
readonly pictures=(frmMain.png frmMain-entries.png frmDisplay-1.png frmDisplay-2.png
                   frmAbout.png frmReferAFriend.png)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Options are options, never a folder to write into.
cd "$work" || exit 1
if ! "$tool" --help | grep -q "folder" || ! { ! "$tool" --no-such-option 2>/dev/null; } ||
   [ -n "$(ls -A "$work")" ]; then
    echo "FAIL: --help or an unknown option was not answered as one, or wrote: $(ls -A "$work")" >&2
    exit 1
fi

for round in first second; do
    if ! "$tool" "$work/$round" >"$work/$round.log" 2>&1; then
        echo "FAIL: the $round render failed:" >&2
        cat "$work/$round.log" >&2
        exit 1
    fi
done

# English at the top, each translation in a folder of its own: German, French
# and Spanish at least, and any language added since.
languages=$(cd "$work/first" && find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort)
for language in de fr es; do
    if ! grep -qx "$language" <<<"$languages"; then
        echo "FAIL: no $language pictures" >&2
        exit 1
    fi
done
expected=("${pictures[@]}")
for language in $languages; do
    expected+=("$language" "${pictures[@]/#/$language/}")
done

status=0
for name in "${expected[@]}"; do
    [ -d "$work/first/$name" ] && continue
    if [ ! -s "$work/first/$name" ]; then
        echo "FAIL: $name was not written" >&2
        status=1
    elif ! cmp -s "$work/first/$name" "$work/second/$name"; then
        echo "FAIL: $name differs between two renders" >&2
        status=1
    fi
done
extra=$(cd "$work/first" && find . -mindepth 1 | sed 's|^\./||' |
        grep -vxF -f <(printf '%s\n' "${expected[@]}"))
if [ -n "$extra" ]; then
    echo "FAIL: unexpected files: $extra" >&2
    status=1
fi
[ $status -eq 0 ] && echo "all ${#pictures[@]} pictures in English and $(wc -w <<<"$languages") translations identical in two renders"
exit $status
