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
    command -v "$tool" >/dev/null || fail "$tool is needed (scripts/install-deps installs it)"
done
# The system's Python: pyatspi comes as a Debian package, which another
# python3 first on the PATH would not see.
readonly python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is needed"
[ -x "$app" ] || fail "no program at $app"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq $((timeout_s * 10))); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# No stored reminder date (so no update question at start) and no other copy
# on the machine can change what the windows show.
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# Qt offers its accessibility tree only when a screen reader is known to run;
# here the test is the screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Under AddressSanitizer, strict string checks trip over the X keyboard
# library, which hands strndup a bounded name without a terminating NUL; that
# is valid C, so those checks are off for the program (a later flag wins).
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

# The session bus, and the accessibility bus it starts on demand, end with
# dbus-run-session; the script itself stops the program it starts.
timeout --kill-after=5 $((timeout_s * 6)) \
    dbus-run-session -- "$python" "$here/accessible_names.py" "$app" 2> >(grep -v '^dbus-daemon' >&2)
status=$?
[ "$status" -eq 0 ] || fail "the check ended with status $status"
echo "PASS (accessible names)"
