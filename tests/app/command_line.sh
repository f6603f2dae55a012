#!/bin/bash
# The real program from a terminal without a display: --help, --version, a mistake on the
# command line and the missing display, each checked for its exit status and what it prints.
#
# usage: command_line.sh <quorvane> <version>
set -uo pipefail
exe=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "  status $status; stdout: $out" >&2
    echo "  stderr: $err" >&2
    exit 1
}

# run [VAR=value...] -- <arguments...>: the program with no display, no platform chosen and a
# private home; sets status, out and err.
run() {
    local settings=()
    while [ "$1" != -- ]; do
        settings+=("$1")
        shift
    done
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
        "${settings[@]}" "$exe" "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
    out=$(cat "$tmp/out")
    err=$(cat "$tmp/err")
}
mkdir -p "$tmp/home" "$tmp/config" "$tmp/runtime"
status="" out="" err=""

run -- --help
[ "$status" -eq 0 ] || fail "--help did not exit 0"
[ -z "$err" ] || fail "--help printed on stderr"
[ "$(head -n 1 <<<"$out")" = "Usage: quorvane [options]" ] || fail "--help has no usage line"
for option in --settings --keep-open --help --version; do
    grep -q -- "$option" <<<"$out" || fail "--help does not list $option"
done

run -- --version
[ "$status" -eq 0 ] && [ "$out" = "quorvane $version" ] && [ -z "$err" ] ||
    fail "--version did not print \"quorvane $version\" alone and exit 0"

# A mistake: one line naming it, with the hint, and no window tried.
hint="'quorvane --help' lists the options"
run -- --settings --frobnicate
[ "$status" -eq 2 ] && [ -z "$out" ] &&
    [ "$err" = "quorvane: unknown option '--frobnicate'; $hint" ] || fail "unknown option"

# No display: one line and status 1, never Qt's abort; nothing is written.
nobody="DISPLAY not set, WAYLAND_DISPLAY not set"
run -- --settings
[ "$status" -eq 1 ] && [ -z "$out" ] &&
    [ "$err" = "quorvane: cannot open a window: no X11 or Wayland display can be reached ($nobody)" ] ||
    fail "no display"
[ -z "$(ls -A "$tmp/config")" ] || fail "the program wrote $(ls -A "$tmp/config") without a display"

# A display whose server is gone, and a Wayland socket nobody listens on.
n=4711
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
run DISPLAY=":$n" WAYLAND_DISPLAY=wayland-gone -- --keep-open
[ "$status" -eq 1 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] &&
    grep -qF "(DISPLAY=\":$n\", WAYLAND_DISPLAY=\"wayland-gone\")" <<<"$err" ||
    fail "a display that is gone"

# A Wayland session whose compositor is gone, with no X11 beside it.
run WAYLAND_DISPLAY=wayland-gone --
[ "$status" -eq 1 ] && [ "$err" = "quorvane: cannot open a window: no X11 or Wayland display can \
be reached (DISPLAY not set, WAYLAND_DISPLAY=\"wayland-gone\")" ] || fail "a Wayland display that is gone"

# X11 chosen by name, without a display: told as such.
run QT_QPA_PLATFORM=xcb --
[ "$status" -eq 1 ] &&
    [ "$err" = "quorvane: cannot open a window: no X11 display can be reached (DISPLAY not set)" ] ||
    fail "X11 chosen without a display"
run -- -platform xcb -display ":$n"
[ "$status" -eq 1 ] && grep -qF "(-display \":$n\")" <<<"$err" || fail "-display that is gone"

# A failure that is not the display's: the toolkit's own explanation, held while it tried to
# start, on one line, and status 1 rather than its abort.
run -- -platform no-such-platform
[ "$status" -eq 1 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] &&
    grep -qF 'Could not find the Qt platform plugin "no-such-platform"' <<<"$err" &&
    grep -qF "no Qt platform plugin could be initialized" <<<"$err" ||
    fail "another failure to start"

echo "PASS"
