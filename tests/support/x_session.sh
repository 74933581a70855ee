# Shared by the scripts that run the real program in an X server of their own.
# Expects $work (a scratch folder), $timeout_s and a fail function; sets
# $xvfb_pid, DISPLAY, XDG_CONFIG_HOME and XDG_RUNTIME_DIR.

# A display of our own: Xvfb picks a free number and writes it to fd 3.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq $((timeout_s * 10))); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# No stored reminder date (so no update question at start) and no other copy
# on the machine can change a result.
isolate_user_folders() {
    mkdir -p "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
}

# Under AddressSanitizer, strict string checks trip over the X keyboard
# library, which hands strndup a bounded name without a terminating NUL; that
# is valid C, so those checks are off for the program (a later flag wins).
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
