#!/usr/bin/env bash
# Runs the real program in its own X server and drives it like a user would:
#   desktop_run.sh <amorist binary> second-copy|stale-lock|start-race|moving-places|whole-run
# whole-run also checks that the desktop entry's StartupWMClass is the class
# the main window really has, so the dock groups it with its launcher.
# Every wait is bounded; whatever this script started is stopped on exit.
set -uo pipefail

readonly app=$1 scenario=$2
readonly timeout_s=${AMORIST_PROCESS_TIMEOUT:-30}
readonly caption='Amorist v1.0' box_title='Amorist'
# The refer-a-friend window's Exit button, relative to that window.
readonly exit_button_x=318 exit_button_y=189
readonly desktop_entry="$(dirname "$0")/../../packaging/com.quillmoor.Amorist.desktop"

work=$(mktemp -d)
xvfb_pid=
started=()

cleanup() {
    for pid in "${started[@]}"; do kill -9 "$pid" 2>/dev/null; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($scenario): $*" >&2
    for log in "$work"/amorist-*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# start_x_server, isolate_user_folders and the sanitizer settings.
source "$(dirname "$0")/../support/x_session.sh"
readonly lock_file="$work/runtime/amorist.lock"

# Starts a copy of the program (with any NAME=value given set for it); its
# pid is left in $last_pid.
start_copy() {
    env "$@" "$app" >"$work/amorist-${#started[@]}.log" 2>&1 &
    last_pid=$!
    started+=("$last_pid")
}

running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# Waits for the process to end; its exit status is left in $exit_status.
wait_exit() {
    local pid=$1
    for _ in $(seq $((timeout_s * 10))); do
        running "$pid" || break
        sleep 0.1
    done
    running "$pid" && fail "process $pid still runs after ${timeout_s}s"
    wait "$pid" 2>/dev/null
    exit_status=$?
}

# The visible top-level windows of a process, one "id<TAB>title" a line.
visible_windows() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" 2>/dev/null); do
        printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

# Waits until the process shows a window with exactly this title, other than
# the ones listed after it; its id is left in $window.
wait_window() {
    local pid=$1 title=$2
    shift 2
    local id name
    for _ in $(seq $((timeout_s * 10))); do
        running "$pid" || fail "process $pid ended while waiting for \"$title\""
        while IFS=$'\t' read -r id name; do
            [ "$name" = "$title" ] || continue
            [[ " $* " == *" $id "* ]] && continue
            sleep 0.3  # let the window finish its first paint
            window=$id
            return
        done < <(visible_windows "$pid")
        sleep 0.1
    done
    fail "no window \"$title\" from process $pid within ${timeout_s}s"
}

press() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "$2"
}

count_windows() { visible_windows "$1" | grep -c .; }

# Main window closed, then the refer-a-friend window's Exit: the end of a run.
finish_run() {
    local pid=$1 main refer
    wait_window "$pid" "$caption"
    main=$window
    press "$main" Escape
    wait_window "$pid" "$caption" "$main"
    refer=$window
    running "$pid" || fail "closing the main window ended the program"
    [ "$(count_windows "$pid")" -eq 1 ] || fail "more than the refer-a-friend window on screen"
    xdotool mousemove --window "$refer" "$exit_button_x" "$exit_button_y" click 1
    wait_exit "$pid"
    [ "$exit_status" -eq 0 ] || fail "the run ended with status $exit_status"
    [ -e "$lock_file" ] && fail "the lock outlived the run"
    return 0
}

# The start-up trace speaks only when asked, and then names every phase up to
# the first paint, each with its milliseconds.
second_copy() {
    start_copy
    local first=$last_pid
    wait_window "$first" "$caption"
    local main=$window

    start_copy
    local second=$last_pid
    wait_window "$second" "$box_title"
    local box=$window
    sleep 0.5
    [ "$(count_windows "$second")" -eq 1 ] ||
        fail "the second copy shows more than its message: $(visible_windows "$second")"
    press "$box" Return
    wait_exit "$second"
    [ "$exit_status" -eq 0 ] || fail "the refused copy ended with status $exit_status"

    running "$first" || fail "the first copy ended too"
    [ "$(visible_windows "$first" | cut -f1)" = "$main" ] || fail "the first copy was disturbed"
    [ -e "$lock_file" ] || fail "the refused copy removed the running copy's lock"
    finish_run "$first"
}

stale_lock() {
    start_copy
    local killed=$last_pid
    wait_window "$killed" "$caption"
    kill -9 "$killed"
    wait "$killed" 2>/dev/null
    [ -e "$lock_file" ] || fail "the killed copy left no lock to recover from"

    start_copy
    local next=$last_pid
    wait_window "$next" "$caption"
    [ "$(count_windows "$next")" -eq 1 ] || fail "the next start was refused or asked something"
    finish_run "$next"
}

# A copy held up between creating its lock and locking it (its first flock,
# delayed by strace) while a second copy starts: the second takes the lock
# and runs, the held-up one says another copy runs and ends. The hold-up is
# long enough for the second copy to start even under the sanitizers on a
# busy machine.
start_race() {
    command -v strace >/dev/null || fail "strace is needed (scripts/install-deps test installs it)"
    strace -f -o /dev/null -e trace=flock -e inject=flock:delay_enter=8000000:when=1 \
        "$app" >"$work/amorist-slow.log" 2>&1 &
    local tracer=$! slow= pending=
    started+=("$tracer")
    # Before the program, strace forks short-lived children of its own to
    # probe ptrace; only a child that runs the program is the held-up copy.
    for _ in $(seq $((timeout_s * 10))); do
        slow=$(pgrep -P "$tracer" -x "${app##*/}") && break
        sleep 0.1
    done
    [ -n "$slow" ] || fail "the held-up copy did not start"
    started+=("$slow")
    # Its lock, still under its temporary name, shows it is held up.
    for _ in $(seq $((timeout_s * 20))); do
        pending=$(compgen -G "$lock_file.??????") && break
        running "$slow" || fail "the held-up copy ended before taking its lock"
        sleep 0.05
    done
    [ -n "$pending" ] || fail "the held-up copy created no lock within ${timeout_s}s"
    start_copy
    local runners refused box pid id name
    for _ in $(seq $((timeout_s * 10))); do
        runners=() refused=
        for pid in "$slow" "$last_pid"; do
            while IFS=$'\t' read -r id name; do
                [ "$name" = "$caption" ] && runners+=("$pid")
                [ "$name" = "$box_title" ] && refused=$pid box=$id
            done < <(visible_windows "$pid")
        done
        [ ${#runners[@]} -gt 1 ] && fail "both copies show their main window"
        [ ${#runners[@]} -eq 1 ] && [ -n "$refused" ] && break
        sleep 0.1
    done
    [ ${#runners[@]} -eq 1 ] && [ -n "$refused" ] || fail "not one copy running and one refused"
    [ "$refused" = "$slow" ] || fail "the second copy was refused: it did not start within the hold-up"
    sleep 0.5
    [ "$(count_windows "$refused")" -eq 1 ] || fail "the refused copy shows more than its message"
    press "$box" Return
    wait_exit "$refused"
    finish_run "${runners[0]}"
}

# Copies started while the lock's places change mode between starts: the
# first takes the temporary folder's place (the runtime and cache folders are
# open to everyone), the next two would each take a place of their own, and
# both are refused.
moving_places() {
    local cache="$work/cache" tmp="$work/tmp" first n
    mkdir -p "$cache/amorist" "$tmp"
    chmod 777 "$work/runtime" "$cache/amorist"
    export XDG_CACHE_HOME="$cache" TMPDIR="$tmp"
    start_copy
    first=$last_pid
    wait_window "$first" "$caption"
    [ -e "$tmp/amorist-$(id -u)/amorist.lock" ] || fail "the first copy took no lock in $tmp"
    for folder in "$cache/amorist" "$work/runtime"; do
        chmod 700 "$folder"
        start_copy
        n=$last_pid
        wait_window "$n" "$box_title"
        sleep 0.5
        [ "$(count_windows "$n")" -eq 1 ] || fail "with $folder private a second copy runs"
        press "$window" Return
        wait_exit "$n"
    done
    running "$first" || fail "the first copy ended"
    finish_run "$first"
}

# The class half of WM_CLASS (instance, class) against StartupWMClass.
check_window_class() {
    local class expected
    class=$(xprop -id "$1" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
    [ -n "$expected" ] && [ "$class" = "$expected" ] ||
        fail "WM_CLASS class \"$class\", the desktop entry expects \"$expected\""
}

whole_run() {
    start_copy
    wait_window "$last_pid" "$caption"
    check_window_class "$window"
    finish_run "$last_pid"
}

for tool in Xvfb xdotool xprop xdpyinfo; do
    command -v "$tool" >/dev/null || fail "$tool is needed (scripts/install-deps test installs it)"
done
[ -x "$app" ] || fail "no program at $app"
start_x_server
isolate_user_folders
case $scenario in
    second-copy) second_copy ;;
    stale-lock) stale_lock ;;
    start-race) start_race ;;
    whole-run) whole_run ;;
    moving-places) moving_places ;;
    *) fail "unknown scenario" ;;
esac
echo "PASS ($scenario)"
