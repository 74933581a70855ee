#!/usr/bin/env bash
# Packs the built site and its nginx config into OUT_DIR/amorist-web-<version>.tar.gz, ready to
# unpack on any static host: amorist-web-<version>/site/ is the site, nginx/amorist.conf beside it.
# The same site always gives the same bytes: names sorted (the page and the worker last), every time the newest changelog entry's,
# owner root, modes normalised, and gzip without a name or time of its own.
# Usage: package-web.sh SITE_DIR OUT_DIR
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 SITE_DIR OUT_DIR" >&2; exit 2; }
site=$(realpath "$1")
out=$(realpath -m "$2")
source_dir=$(dirname "$(dirname "$(realpath "$0")")")
changelog=$source_dir/packaging/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
released=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
[ -f "$site/index.html" ] && [ -f "$site/sw.js" ] || { echo "package-web: $site is not a built site" >&2; exit 1; }

name=amorist-web-$version
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir -p "$staging/$name/nginx" "$out"
cp -r "$site" "$staging/$name/site"
cp "$source_dir/web/nginx/amorist.conf" "$staging/$name/nginx/amorist.conf"
# Unpacked over a site already online, the archive puts every file named after its contents in
# place before the page and the worker that refer to them: those come last.
hashed='\.[0-9a-f]{10}\.[a-z]+$'
members() {
    find "$name" -type d | LC_ALL=C sort
    find "$name" -type f | grep -E "$hashed" | LC_ALL=C sort
    find "$name" -type f | grep -vE "$hashed" | LC_ALL=C sort
}
(cd "$staging" && members) |
    tar --create --format=gnu --directory="$staging" --mtime="@$released" --owner=0 --group=0 \
        --numeric-owner --mode='u=rwX,go=rX' --no-recursion --files-from=- | gzip -9n >"$out/$name.tar.gz"
echo "$out/$name.tar.gz"
