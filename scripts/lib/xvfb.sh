# shellcheck shell=bash
# Sourced by the scripts that run the program in a private Xvfb display. Sets no shell options
# of its own and works with or without `set -eu`.

# The pid of the Xvfb that xvfb_start started; empty before.
xvfb=""

# skip_unless_installed <tool...>: ends the script with status 77, which CTest counts as a
# skip, when one of the tools is not installed.
skip_unless_installed() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# xvfb_start <dir>: starts Xvfb on a free display, which it picks itself and reports once it
# accepts clients, with its output in <dir>/xvfb.log. Sets `xvfb` to its pid and, once the
# display answers (within 30 s), exports DISPLAY. Returns 1 if it does not start; the caller
# says so, with <dir>/xvfb.log.
xvfb_start() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$1/display" >"$1/xvfb.log" 2>&1 &
    # shellcheck disable=SC2034 # read by the caller
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
