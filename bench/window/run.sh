#!/usr/bin/env bash
# run.sh <quorvane> <bench_window_floor> [runs] [callgrind-runs]: compares the countdown
# window with the floor that Qt itself sets, both in one Xvfb display, interleaved:
#   (a) time from process start to the first frame flushed to the display,
#   (b) peak resident memory after two refreshes,
#   (c) instructions per one-second refresh, counted by callgrind over several refreshes,
#   (d) processor time (user and system, all threads) from the start until WATCH_SECONDS
#       after it, in rounds of its own under perf (skipped without perf),
#   (e) instructions of all threads from the start to the first frame, counted by callgrind in
#       the runs of (c): unlike (a) and (d), the same from one run to the next but for the
#       order of the threads, and blind to the kernel's share.
# (b) and (d) are read WATCH_SECONDS after the start (2.2 unless set; 9.5 covers the ten
# seconds the countdown is open by default).
# Prints the median and spread of each, and the ratio program / floor.
set -euo pipefail
program=$1
floor=$2
runs=${3:-20}
cg_runs=${4:-5}
source "$(dirname "$0")/../../scripts/lib/e2e.sh"
fail_prefix=""

e2e_begin
start_display
# An empty settings store: the countdown shows the built-in event and writes nothing.
private_home
# The runtime folder on a memory file system where there is one, as a desktop session has it
# (/run/user/<uid>): a lock and a socket on disk would time the disk's journal, not the program.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /dev/shm/quorvane-bench.XXXXXX)
    export XDG_RUNTIME_DIR
    e2e_on_exit() { rm -rf "$XDG_RUNTIME_DIR"; }
fi
export TZ=UTC
# The repaint manager reports each flush; the first one is the first painted frame.
export QT_LOGGING_RULES="qt.widgets.painting.info=true"
export QT_MESSAGE_PATTERN="%{time HH:mm:ss.zzz} %{message}"

# Seconds since midnight (UTC) of a log time or of $EPOCHREALTIME.
day_seconds() { awk -v t="$1" 'BEGIN { n = split(t, p, ":"); if (n == 3) printf "%.6f\n", p[1] * 3600 + p[2] * 60 + p[3]; else printf "%.6f\n", t % 86400 }'; }

# A pipe nobody writes to: reading it with a time-out is a pause that starts no process.
mkfifo "$tmp/nap"
exec {nap}<>"$tmp/nap"

# wait_flush <log> <seconds>: sets `flushed` to the log time of the first flushed frame. The
# log is read with the shell's own builtins: a grep and a sleep started every 10 ms would take
# processor time from the program being measured, on a machine with few cores.
wait_flush() {
    local deadline=$((SECONDS + $2)) line="" part="" fd
    flushed=""
    exec {fd}<"$1"
    while ((SECONDS < deadline)); do
        while IFS= read -r -u "$fd" line; do
            line=$part$line
            part=""
            if [[ $line == *'Flushing top level'* ]]; then
                flushed=${line%% *}
                exec {fd}<&-
                return 0
            fi
        done
        # The start of a line still being written; its end comes with the next read.
        part=$part$line
        read -r -t 0.01 -u "$nap" || true
    done
    exec {fd}<&-
    echo "no frame was flushed within $2 s" >&2
    return 1
}

stop() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
}

# measure <exe> <name>: appends "startup-ms peak-kB" to $tmp/<name>.
measure() {
    local launched
    : >"$tmp/log"
    launched=$EPOCHREALTIME
    "$1" 2>"$tmp/log" &
    app=$!
    wait_flush "$tmp/log" 30
    sleep "${WATCH_SECONDS:-2.2}"
    local peak
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app/status")
    stop
    echo "$(awk -v a="$(day_seconds "$launched")" -v b="$(day_seconds "$flushed")" \
        'BEGIN { printf "%.1f", (b - a) * 1000 }') $peak" >>"$tmp/$2"
}

# measure_cpu <exe> <name>: appends the processor time of all its threads, those that ended
# too, in ms, counted by perf (the clock ticks of /proc are too coarse for tens of ms).
measure_cpu() {
    perf stat -x, -e task-clock -o "$tmp/cpu" -- "$1" 2>/dev/null &
    app=$!
    sleep "${WATCH_SECONDS:-2.2}"
    pkill -P "$app" || true
    wait "$app" 2>/dev/null || true
    app=""
    awk -F, '$3 == "task-clock" { print $1 }' "$tmp/cpu" >>"$tmp/$2.cpu"
}

# callgrind_counts <exe> <name> <tick function>: appends the instructions of all threads from the
# start to the first flushed frame to $tmp/<name>.start, and per refresh to $tmp/<name>.cg.
callgrind_counts() {
    : >"$tmp/log"
    valgrind --tool=callgrind --callgrind-out-file="$tmp/cg.%p" "$1" 2>"$tmp/log" &
    app=$!
    wait_flush "$tmp/log" 180
    # At once: the first refresh is due up to a second later.
    callgrind_control --dump "$app" >/dev/null 2>&1
    sleep 1
    callgrind_control --zero "$app" >/dev/null 2>&1
    sleep 6
    callgrind_control --dump "$app" >/dev/null 2>&1
    local start="$tmp/cg.$app.1" dump="$tmp/cg.$app.2"
    for _ in $(seq 100); do
        [ -s "$dump" ] && break
        sleep 0.1
    done
    stop
    awk '/^(summary|totals):/ { print $2; exit }' "$start" >>"$tmp/$2.start"
    # Total instructions of the dump over the calls of the function run once per refresh.
    awk -v fn="$3" '
        /^(summary|totals):/ { total = $2 }
        /^c?fn=/ {
            # Names are given once with their number, then by the number alone.
            id = $1; sub(/^c?fn=/, "", id); name = $0; sub(/^c?fn=\([0-9]+\) ?/, "", name)
            if (name != "") { names[id] = name }
            target = /^cfn=/ && names[id] == fn
            next
        }
        /^calls=/ && target { split($1, c, "="); calls += c[2] }
        { target = 0 }
        END { if (calls > 0) printf "%.0f\n", total / calls }
    ' "$dump" >>"$tmp/$2.cg"
    rm -f "$tmp"/cg.*
}

# stats <values file> <column>: "median min max" of one column.
stats() {
    awk -v c="$2" '{ print $c }' "$1" | sort -g | awk '
        { v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}

# report <label> <unit> <floor file> <program file> <column> <target, or - for none>
report() {
    local target="target <= $6"
    [ "$6" != - ] || target="a companion figure, no target"
    read -r fm flo fhi < <(stats "$3" "$5")
    read -r pm plo phi < <(stats "$4" "$5")
    paste -d ' ' "$4" "$3" | awk -v c="$5" -v n="$(awk '{ print NF; exit }' "$3")" \
        '{ print $c / $(n + c) }' >"$tmp/ratios"
    read -r rm rlo rhi < <(stats "$tmp/ratios" 1)
    printf '%-28s floor %10.1f %s [%.1f-%.1f]   program %10.1f %s [%.1f-%.1f]   ratio %.3f (per run %.3f-%.3f, %s)\n' \
        "$1" "$fm" "$2" "$flo" "$fhi" "$pm" "$2" "$plo" "$phi" "$(awk -v a="$pm" -v b="$fm" 'BEGIN { print a / b }')" \
        "$rlo" "$rhi" "$target"
}

echo "Runs: $runs for (a), (b) and (d), $cg_runs under callgrind for (c) and (e); display $DISPLAY" >&2
# One round of each, not counted, so that the first counted ones do not pay for cold caches.
measure "$floor" warm-up
measure "$program" warm-up
# interleaved <measure> <label>: runs of <measure> on both programs, alternating which goes
# first, so that a drifting machine favours neither.
interleaved() {
    for ((i = 1; i <= runs; i++)); do
        if ((i % 2)); then
            "$1" "$floor" floor
            "$1" "$program" program
        else
            "$1" "$program" program
            "$1" "$floor" floor
        fi
    done
    echo "  $2: $runs runs done" >&2
}
interleaved measure "start and memory"
if command -v perf >/dev/null; then
    interleaved measure_cpu "processor time"
fi
for ((i = 1; i <= cg_runs; i++)); do
    callgrind_counts "$floor" floor Floor::tick\(\)
    callgrind_counts "$program" program frmMain::tmr_Timer\(\)
    echo "  callgrind run $i/$cg_runs done" >&2
done

if ((runs > 0)); then
    report "(a) start to first frame" ms "$tmp/floor" "$tmp/program" 1 1.10
    report "(b) peak resident memory" kB "$tmp/floor" "$tmp/program" 2 1.10
    if [ -s "$tmp/floor.cpu" ]; then
        report "(d) processor time" ms "$tmp/floor.cpu" "$tmp/program.cpu" 1 1.10
    else
        echo "(d) processor time: skipped, perf is not installed" >&2
    fi
fi
if ((cg_runs > 0)); then
    report "(c) instructions / refresh" Ir "$tmp/floor.cg" "$tmp/program.cg" 1 1.5
    report "(e) instructions, 1st frame" Ir "$tmp/floor.start" "$tmp/program.start" 1 -
fi
