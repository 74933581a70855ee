# A Wayland compositor of our own for the scripts that run the real program:
# weston, headless with its software renderer, listening on a socket named
# after this script's process in the private XDG_RUNTIME_DIR (so call
# isolate_user_folders from x_session.sh first). Expects $work, $timeout_s and
# a fail function; sets $weston_pid and WAYLAND_DISPLAY.

# A client that only connects and lists what the compositor offers; Debian 12
# has weston's own, later releases the separate wayland-info.
wayland_client() {
    if command -v wayland-info >/dev/null; then wayland-info; else weston-info; fi
}

start_wayland_compositor() {
    unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET
    export QT_QPA_PLATFORM=wayland
    local socket="amorist-test-$$"
    weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
        --width=1024 --height=768 --socket="$socket" --log="$work/weston.log" \
        >/dev/null 2>&1 &
    weston_pid=$!
    WAYLAND_DISPLAY=$socket wait_until_serving "$weston_pid" wayland_client ||
        fail "our weston on $socket accepts no connection: $(cat "$work/weston.log")"
    export WAYLAND_DISPLAY=$socket
}
