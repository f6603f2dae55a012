#!/usr/bin/env bash
# harness.sh <case> <source dir> [cmake ctest]: checks the test set-up itself.
#   tool_rule  a test whose program is missing is registered and skipped, naming the program,
#              and with CI=true or QUORVANE_REQUIRE_TEST_TOOLS the configure fails instead;
#              a program found under its second name lets the test run
#   e2e_lib    scripts/lib/e2e.sh: failing with the program's output, exit statuses, the
#              time limits, the private home and the clean-up on exit
set -euo pipefail
case=$1
src=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL ($case): $*" >&2
    exit 1
}

tool_rule() {
    local cmake=$1 ctest=$2 missing=quorvane-no-such-program
    cat >"$work/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(rule NONE)
enable_testing()
include($src/tests/ToolTests.cmake)
quorvane_add_tool_test(has LABEL e2e TOOLS $missing-too|sh COMMAND sh -c "echo ran")
quorvane_add_tool_test(lacks LABEL e2e TOOLS sh $missing COMMAND sh -c "exit 1")
CMAKE
    env -u CI "$cmake" -S "$work" -B "$work/plain" >"$work/configure.log" 2>&1 ||
        fail "configure failed with a program missing: $(cat "$work/configure.log")"
    grep -q "lacks will be skipped, not installed: $missing" "$work/configure.log" ||
        fail "the configure did not name the missing program: $(cat "$work/configure.log")"
    "$ctest" --test-dir "$work/plain" -V >"$work/test.log" 2>&1 ||
        fail "a skipped test failed the run: $(cat "$work/test.log")"
    grep -Eq 'lacks \.+\*+Skipped' "$work/test.log" || fail "lacks was not skipped: $(cat "$work/test.log")"
    grep -q "SKIP: not installed: $missing" "$work/test.log" || fail "the skip gives no reason"
    grep -Eq 'has \.+ +Passed' "$work/test.log" && grep -qx '1: ran' "$work/test.log" ||
        fail "the test whose program is there did not run: $(cat "$work/test.log")"
    [ "$("$ctest" --test-dir "$work/plain" -N -L e2e | grep -c 'Test #')" -eq 2 ] ||
        fail "the tests do not carry their label"

    CI=true "$cmake" -S "$work" -B "$work/ci" >"$work/ci.log" 2>&1 &&
        fail "with CI=true the configure passed although $missing is missing"
    grep -q "lacks cannot run, not installed: $missing" "$work/ci.log" ||
        fail "the CI configure did not say why it failed: $(cat "$work/ci.log")"
    env -u CI "$cmake" -S "$work" -B "$work/required" -DQUORVANE_REQUIRE_TEST_TOOLS=ON \
        >"$work/required.log" 2>&1 &&
        fail "with QUORVANE_REQUIRE_TEST_TOOLS the configure passed although $missing is missing"
    echo "PASS: skipped with the reason; CI=true and QUORVANE_REQUIRE_TEST_TOOLS refuse to skip"
}

e2e_lib() {
    # Each check runs in its own shell, as a script using the library would.
    lib() { bash -c "set -euo pipefail; source '$src/scripts/lib/e2e.sh'; $1"; }
    local out start

    out=$(lib 'e2e_begin; echo "line one" >"$tmp/app.log"; fail_prefix="FAIL (x)"; fail "it broke"' 2>&1) &&
        fail "fail did not end the script"
    [ "$out" = "$(printf '%s\n' 'FAIL (x): it broke' '  program: line one')" ] ||
        fail "fail printed: $out"
    out=$(lib 'fail_prefix=""; fail "plain"' 2>&1) || true
    [ "$out" = plain ] || fail "fail without a prefix printed: $out"

    out=$(lib 'e2e_begin; start_program sh -c "exit 3"; wait_exit 10; echo "$status"') ||
        fail "wait_exit failed on a program that ended"
    [ "$out" = 3 ] || fail "wait_exit set status $out for a program that ended with 3"
    out=$(lib 'e2e_begin; start_program sleep 30; wait_exit 1 "still there"' 2>&1) &&
        fail "wait_exit passed on a program that runs on"
    [ "$out" = "FAIL: still there" ] || fail "wait_exit's failure printed: $out"

    # The clean-up: a program that ignores the polite signal is killed within the bound, the
    # script's own clean-up runs, and the scratch folder goes.
    start=$SECONDS
    out=$(lib 'e2e_on_exit() { echo "own clean-up"; }
        e2e_begin; private_home; echo "$tmp $HOME $XDG_CONFIG_HOME $XDG_RUNTIME_DIR $settings_file"
        stat -c %a "$XDG_RUNTIME_DIR"
        start_program bash -c "trap \"\" TERM; sleep 60"; sleep 0.3; echo "$app"') ||
        fail "the clean-up check failed: $out"
    ((SECONDS - start < 15)) || fail "the clean-up took $((SECONDS - start)) s"
    read -r tmp home config runtime settings < <(sed -n 1p <<<"$out")
    [ "$home" = "$tmp/home" ] && [ "$config" = "$tmp/config" ] && [ "$runtime" = "$tmp/runtime" ] ||
        fail "the private home is not in the scratch folder: $out"
    [ "$settings" = "$tmp/config/Quorvane/Quorvane.conf" ] || fail "settings_file is $settings"
    [ "$(sed -n 2p <<<"$out")" = 700 ] || fail "the runtime folder is not private"
    pid=$(sed -n 3p <<<"$out")
    [ "$(sed -n 4p <<<"$out")" = "own clean-up" ] || fail "the script's own clean-up did not run"
    ! kill -0 "$pid" 2>/dev/null || fail "the program still runs after the script ended"
    [ ! -e "$tmp" ] || fail "the scratch folder $tmp is left"
    echo "PASS: fail, wait_exit, private_home and the bounded clean-up"
}

case $case in
tool_rule) tool_rule "$3" "$4" ;;
e2e_lib) e2e_lib ;;
*) fail "unknown case" ;;
esac
