# shellcheck shell=bash
# Sourced by the scripts that run the program in a private Xvfb display: the end-to-end tests,
# the package test, the window benchmark and the screenshot makers. Sets no shell options of
# its own and works with or without `set -eu`.
#
# A script calls e2e_begin first; from then on `tmp` is its scratch folder, and the program it
# starts with start_program, Xvfb and the folder are cleaned up when it exits.

# The scratch folder, the program's pid and Xvfb's pid; empty until set.
tmp=""
app=""
xvfb=""
# What `fail` prints before the message ("FAIL" unless the script sets it; empty: nothing).
fail_prefix=FAIL

# fail <message...>: prints the message and the program's output so far on stderr and ends the
# script with status 1.
fail() {
    echo "${fail_prefix:+$fail_prefix: }$*" >&2
    if [ -n "$tmp" ] && [ -s "$tmp/app.log" ]; then sed 's/^/  program: /' "$tmp/app.log" >&2; fi
    exit 1
}

# require_tools <tool...>: fails, naming the tool, when one of them is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh --test installs it)"
    done
}

# e2e_begin: makes the scratch folder and sets the clean-up on exit: the program and Xvfb are
# stopped (bounded), then the script's own e2e_on_exit runs if it defines one, then the folder
# goes.
e2e_begin() {
    tmp=$(mktemp -d)
    trap e2e_end EXIT
}
e2e_end() {
    stop_pids "$app" "$xvfb"
    app=""
    xvfb=""
    if declare -F e2e_on_exit >/dev/null; then e2e_on_exit; fi
    [ -z "$tmp" ] || rm -rf "$tmp"
}

# xvfb_start <dir>: starts Xvfb on a free display, which it picks itself and reports once it
# accepts clients, with its output in <dir>/xvfb.log. Sets `xvfb` to its pid and, once the
# display answers (within 30 s), exports DISPLAY. Returns 1 if it does not start.
xvfb_start() {
    # -noreset: without it the server resets when its last client leaves, and a program that
    # connects right after another one left (the display check before the toolkit's own
    # connection does just that) is sometimes refused.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$1/display" >"$1/xvfb.log" 2>&1 &
    xvfb=$!
    local _
    for _ in $(seq 300); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || return 1
    DISPLAY=":$(head -n 1 "$1/display")"
    export DISPLAY
}

# start_display: Xvfb in the scratch folder, and Qt's X11 platform for what runs in it; fails
# with Xvfb's output if it does not start.
start_display() {
    xvfb_start "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    export QT_QPA_PLATFORM=xcb
}

# private_home: a private HOME, settings, cache and runtime folder in the scratch folder, so
# the program neither reads nor changes the user's. Sets `settings_file` to where the program
# keeps its settings there.
private_home() {
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
    [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
    # shellcheck disable=SC2034 # read by the caller
    settings_file=$XDG_CONFIG_HOME/Quorvane/Quorvane.conf
}

# start_program <exe> [args...]: starts the program in the background with its output in
# $tmp/app.log, which `fail` shows; sets `app` to its pid and `started` to the start time.
start_program() {
    # shellcheck disable=SC2034 # read by the caller
    started=$EPOCHREALTIME
    "$@" >"$tmp/app.log" 2>&1 &
    app=$!
}

running() { [ -n "$app" ] && kill -0 "$app" 2>/dev/null; }

# find_window [title regex]: the id of a shown window of the program whose title matches (any
# title without one), on stdout; nothing if there is none.
find_window() {
    local filter=()
    [ -n "${1:-}" ] && filter=(--name "$1")
    xdotool search --all --onlyvisible --pid "$app" "${filter[@]}" 2>/dev/null | head -n 1
}

# wait_window <title regex> <seconds>: waits for a shown window of the program with that title
# (any title for an empty regex) and prints its id. Returns 1 if none appears in time or the
# program ends first.
wait_window() {
    local deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(find_window "$1") || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        running || return 1
        sleep 0.2
    done
    return 1
}

# until_ok <seconds> <command...>: runs the command every 0.1 s until it succeeds; returns 1 if
# it has not within the time.
until_ok() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# wait_exit <seconds> [message]: waits for the program to end and sets `status` to its exit
# status; fails with the message if it still runs after that time.
wait_exit() {
    local deadline=$((SECONDS + $1))
    while running; do
        ((SECONDS < deadline)) || fail "${2:-the program still runs after $1 s}"
        sleep 0.1
    done
    # shellcheck disable=SC2034 # read by the caller
    status=0
    wait "$app" || status=$?
    app=""
}

# stop_pids <pid...>: asks each process to end, gives them 5 s together, then kills the ones
# left, and reaps them. Bounded, so a process that ignores the polite signal cannot hang the
# caller. Empty arguments (a process not started, or already reaped) are passed over.
stop_pids() {
    local pid alive _ pids=()
    for pid in "$@"; do [ -n "$pid" ] && pids+=("$pid"); done
    [ ${#pids[@]} -gt 0 ] || return 0
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for _ in $(seq 50); do
        alive=""
        for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ -z "$alive" ] && break
        sleep 0.1
    done
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait "${pids[@]}" 2>/dev/null || true
}
