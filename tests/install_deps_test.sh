#!/usr/bin/env bash
# Each make target installs the package sets it uses and no others, every set
# it names is one scripts/install-deps knows, and building and running the
# programs bring in none of the tools only the tests, the web edition or the
# package use. Nothing is installed: make only shows its commands (-n).
#   install_deps_test.sh <repository root>
set -uo pipefail
cd "${1:?usage: install_deps_test.sh <repository root>}" || exit 1
failed=0
fail() {
    echo "$*"
    failed=1
}

# The sets a target installs, sorted, as make would run them.
sets_of() {
    make -n "$1" 2>/dev/null | sed -n 's|^scripts/install-deps ||p' | xargs -n1 | sort -u | xargs
}

while read -r target expected; do
    got=$(sets_of "$target")
    [ "$got" = "$expected" ] || fail "make $target installs the sets '$got', not '$expected'"
    # shellcheck disable=SC2086 # one argument a set
    scripts/install-deps --list $got >/dev/null || fail "make $target names a set install-deps does not know"
done <<'TABLE'
build build
run build run
test browsers build test web
test-sanitize browsers build test web
web build web
bench bench browsers build nginx web
package build package web
fuzz build fuzz
tables build tables
format format
screenshots build screenshots
TABLE

for tool in chromium firefox-esr emscripten weston lintian nginx-light libgtest-dev xvfb clang npm; do
    scripts/install-deps --list build run | grep -qx "$tool" && fail "make run would install $tool"
done
scripts/install-deps --list no-such-set >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown set is not refused as bad usage"
scripts/install-deps >/dev/null 2>&1
[ $? -eq 2 ] || fail "no set at all is not refused as bad usage"
exit $failed
