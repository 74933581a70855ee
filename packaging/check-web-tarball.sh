#!/usr/bin/env bash
# Checks amorist-web-<version>.tar.gz: a second build, finished afresh from the plain site (icons
# rendered again) under another umask, gives the same bytes; it holds exactly the site and the
# nginx config, owned by root, all with one time.
# Usage: check-web-tarball.sh BUILD_WEB_DIR (TARBALL | --build) SCRATCH_DIR
# --build packs build-web/site into SCRATCH_DIR first and checks that.
set -uo pipefail

[ $# -eq 3 ] || { echo "usage: $0 BUILD_WEB_DIR (TARBALL | --build) SCRATCH_DIR" >&2; exit 2; }
build_web=$(realpath "$1")
scratch=$(realpath -m "$3")
source_dir=$(dirname "$(dirname "$(realpath "$0")")")
rm -rf "$scratch"
mkdir -p "$scratch"
tarball=$2
if [ "$tarball" = --build ]; then
    tarball=$("$source_dir/web/package-web.sh" "$build_web/site" "$scratch/first") || exit 1
fi
failures=0
fail() {
    echo "check-web-tarball: $*"
    failures=$((failures + 1))
}

(umask 077 && node "$source_dir/web/app/finish-site.mjs" "$build_web/site-plain" "$scratch/site" \
    "$source_dir/resources/amorist.svg" "$source_dir/web/nginx/amorist.conf" >/dev/null) ||
    { echo "check-web-tarball: the site could not be finished again"; exit 1; }
again=$("$source_dir/web/package-web.sh" "$scratch/site" "$scratch/second") || exit 1
cmp -s "$tarball" "$again" || fail "two builds differ: $tarball and $again"

name=$(basename "$tarball" .tar.gz)
expected=$( (cd "$build_web/site" && find . -type f | sed "s|^\./|$name/site/|"; echo "$name/nginx/amorist.conf") | sort)
listed=$(tar --list --file="$tarball" | grep -v '/$' | sort)
[ "$listed" = "$expected" ] || fail "files differ from the site's: $(diff <(echo "$expected") <(echo "$listed") | grep '^[<>]' | head -5)"
owners=$(tar --list --verbose --numeric-owner --file="$tarball" | awk '{print $2}' | sort -u)
[ "$owners" = 0/0 ] || fail "owners are $owners, expected 0/0"
times=$(tar --list --verbose --full-time --file="$tarball" | awk '{print $4, $5}' | sort -u | wc -l)
[ "$times" = 1 ] || fail "its files carry $times different times"

[ "$failures" -eq 0 ] && echo "check-web-tarball: $tarball is reproducible and holds the site and its nginx config"
exit $((failures > 0))
