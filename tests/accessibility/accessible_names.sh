#!/usr/bin/env bash
# What a screen reader finds in the running program, in an X server and a
# D-Bus session of its own:
#   accessible_names.sh <amorist binary>
# Every wait is bounded; whatever this script started is stopped on exit.
set -uo pipefail

readonly app=$1
readonly timeout_s=${AMORIST_PROCESS_TIMEOUT:-30}
readonly here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
xvfb_pid=

cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL (accessible names): $*" >&2
    exit 1
}

for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is needed (scripts/install-deps test installs it)"
done
# The system's Python: pyatspi comes as a Debian package, which another
# python3 first on the PATH would not see.
readonly python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is needed"
[ -x "$app" ] || fail "no program at $app"

# start_x_server, isolate_user_folders and the sanitizer settings.
source "$here/../support/x_session.sh"
start_x_server
isolate_user_folders

# Qt offers its accessibility tree only when a screen reader is known to run;
# here the test is the screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The session bus, and the accessibility bus it starts on demand, end with
# dbus-run-session; the script itself stops the program it starts.
timeout --kill-after=5 $((timeout_s * 6)) \
    dbus-run-session -- "$python" "$here/accessible_names.py" "$app" 2> >(grep -v '^dbus-daemon' >&2)
status=$?
[ "$status" -eq 0 ] || fail "the check ended with status $status"
echo "PASS (accessible names)"
