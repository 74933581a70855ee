# Shared by the scripts that run the real program on a display of their own.
# Expects $work (a scratch folder), $timeout_s and a fail function; sets
# $xvfb_pid, DISPLAY, XDG_CONFIG_HOME, XDG_RUNTIME_DIR, XDG_CACHE_HOME and TMPDIR.

# Waits, for at most $timeout_s, until the command succeeds while the server
# with this pid still runs. False otherwise.
wait_until_serving() {
    local server_pid=$1
    shift
    for _ in $(seq $((timeout_s * 10))); do
        kill -0 "$server_pid" 2>/dev/null || return 1
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A display of our own: Xvfb picks a number no other server listens on and
# writes it to fd 3; the test goes on only once that server, still running,
# answers a client there. Nothing inherited can stand in for it. Without
# -noreset the server resets whenever its last client leaves (xdpyinfo, a
# killed copy), and a program connecting in that moment can be turned away.
start_x_server() {
    unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET
    export QT_QPA_PLATFORM=xcb
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq $((timeout_s * 10))); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(head -n1 "$work/display" 2>/dev/null)
    [[ $number =~ ^[0-9]+$ ]] || fail "Xvfb reported no display number: $(cat "$work/xvfb.log")"
    wait_until_serving "$xvfb_pid" xdpyinfo -display ":$number" ||
        fail "our Xvfb on :$number accepts no connection: $(cat "$work/xvfb.log")"
    export DISPLAY=":$number"
}

# No stored reminder date (so no update question at start) and no other copy
# on the machine can change a result: a start also looks for a lock in the
# cache and temporary folders, where a killed run may have left one.
isolate_user_folders() {
    mkdir -p "$work/config" "$work/runtime" "$work/cache" "$work/tmp"
    chmod 700 "$work/runtime"
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    export XDG_CACHE_HOME="$work/cache" TMPDIR="$work/tmp"
}

# Under AddressSanitizer, strict string checks trip over the X keyboard
# library, which hands strndup a bounded name without a terminating NUL; that
# is valid C, so those checks are off for the program (a later flag wins).
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
