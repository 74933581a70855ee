#!/usr/bin/env bash
# Runs amorist-startup-bench on an X server and a session bus of its own, so no
# desktop's windows or services weigh on the figures.
#   bench/startup_bench.sh <amorist-startup-bench> [--runs N] <amorist> <label window>
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 <amorist-startup-bench> [--runs N] <amorist> <label window>" >&2; exit 2; }
work=$(mktemp -d)
xvfb_pid=
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

# A black root (-br), so a painted pixel stands out; Xvfb picks a free display
# number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
number=$(head -n1 "$work/display" 2>/dev/null || true)
[[ $number =~ ^[0-9]+$ ]] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
for _ in $(seq 100); do
    xdpyinfo -display ":$number" >/dev/null 2>&1 && break
    sleep 0.1
done
unset WAYLAND_DISPLAY
# dbus-daemon's own complaints (it may not raise its file limit) say nothing about start-up.
DISPLAY=":$number" dbus-run-session -- "$@" 2> >(grep -v '^dbus-daemon' >&2)
