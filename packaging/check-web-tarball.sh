#!/usr/bin/env bash
# Checks amorist-web-<version>.tar.gz: a second build, finished afresh from the plain site (icons
# rendered again) under another umask, gives the same bytes; it holds exactly the site and the
# nginx config, owned by root, all with one time, the hashed files before the page and the worker.
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
# Hashed files first: unpacked over a live site, the new page never refers to one not there yet.
site_files=$(tar --list --file="$tarball" | grep -E '/site/.*[^/]$')
hashed='\.[0-9a-f]{10}\.[a-z]+$'
last_hashed=$(grep -nE "$hashed" <<<"$site_files" | tail -1 | cut -d: -f1)
first_plain=$(grep -nvE "$hashed" <<<"$site_files" | head -1 | cut -d: -f1)
[ "${last_hashed:-0}" -lt "${first_plain:-0}" ] ||
    fail "a hashed file comes after the page or the worker: $(sed -n "${last_hashed}p" <<<"$site_files")"
owners=$(tar --list --verbose --numeric-owner --file="$tarball" | awk '{print $2}' | sort -u)
[ "$owners" = 0/0 ] || fail "owners are $owners, expected 0/0"
times=$(tar --list --verbose --full-time --file="$tarball" | awk '{print $4, $5}' | sort -u | wc -l)
[ "$times" = 1 ] || fail "its files carry $times different times"

[ "$failures" -eq 0 ] && echo "check-web-tarball: $tarball is reproducible and holds the site and its nginx config"
exit $((failures > 0))
