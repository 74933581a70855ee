#!/usr/bin/env bash
# The program started offscreen with no runtime folder and TMPDIR naming a
# folder that does not exist:
#   missing_temp_folder.sh <amorist binary>
# Qt would then make its runtime folder at the root (/runtime-<user>), which
# root may do. The run must create no folder at the root, and its lock goes
# to the next place, the cache folder. Every wait is bounded.
set -uo pipefail

readonly app=$1
readonly timeout_s=${AMORIST_PROCESS_TIMEOUT:-30}
work=$(mktemp -d)
tracer=

cleanup() {
    [ -n "$tracer" ] && pkill -9 -P "$tracer" 2>/dev/null && wait "$tracer" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/amorist.log" ] && cat "$work/amorist.log" >&2
    exit 1
}

command -v strace >/dev/null || fail "strace is needed (scripts/install-deps test installs it)"
[ -x "$app" ] || fail "no program at $app"
mkdir -p "$work/config" "$work/cache" "$work/home"
# Whether or not the folders can be made (root may), every attempt is seen.
env -u XDG_RUNTIME_DIR TMPDIR="$work/missing" HOME="$work/home" \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=offscreen \
    strace -f -qq -e trace=mkdir,mkdirat -o "$work/mkdir.trace" "$app" >"$work/amorist.log" 2>&1 &
tracer=$!

# The lock is taken from inside the event loop, after Qt's start-up.
lock=
for _ in $(seq $((timeout_s * 10))); do
    lock=$(compgen -G "$work/cache/amorist/amorist-*.lock") && break
    kill -0 "$tracer" 2>/dev/null || fail "the program ended before taking its lock"
    sleep 0.1
done
[ -n "$lock" ] || fail "no lock in the cache folder within ${timeout_s}s"
pkill -9 -P "$tracer"
wait "$tracer" 2>/dev/null
tracer=

# mkdir("/name", ...) or mkdirat(AT_FDCWD, "/name", ...): one name under the root.
at_root=$(grep -E 'mkdir(at)?\((AT_FDCWD, )?"/[^/"]*"' "$work/mkdir.trace")
[ -z "$at_root" ] || fail "folders made at the root: $at_root"
echo "PASS (missing temporary folder)"
