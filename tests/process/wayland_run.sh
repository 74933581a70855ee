#!/usr/bin/env bash
# A whole run of the real program on a Wayland compositor of its own (weston,
# headless) and a D-Bus session of its own, worked through the accessibility
# tree by wayland_run.py:
#   wayland_run.sh <amorist binary> <desktop entry>
# Every wait is bounded; whatever this script started is stopped on exit.
set -uo pipefail

readonly app=$1 desktop_entry=$2
readonly timeout_s=${AMORIST_PROCESS_TIMEOUT:-30}
readonly here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
weston_pid=

cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL (wayland run): $*" >&2
    exit 1
}

for tool in weston dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is needed (scripts/install-deps test installs it)"
done
# The system's Python: pyatspi comes as a Debian package.
readonly python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is needed"
[ -x "$app" ] || fail "no program at $app"

# isolate_user_folders, wait_until_serving and the sanitizer settings; then
# start_wayland_compositor, whose socket lives in the private runtime folder.
source "$here/../support/x_session.sh"
source "$here/../support/wayland_session.sh"
isolate_user_folders
start_wayland_compositor

# Qt offers its accessibility tree only when a screen reader is known to run;
# here the test is the screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

timeout --kill-after=5 $((timeout_s * 6)) \
    dbus-run-session -- "$python" "$here/wayland_run.py" "$app" "$desktop_entry" \
    2> >(grep -v '^dbus-daemon' >&2)
status=$?
[ "$status" -eq 0 ] || fail "the run ended with status $status"
echo "PASS (wayland run)"
