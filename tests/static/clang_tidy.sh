#!/usr/bin/env bash
# clang_tidy.sh <source dir> <build dir>: runs clang-tidy with the committed .clang-tidy over
# every translation unit of src/, tests/ and bench/ in the build's compile_commands.json, two at
# a time, and fails on any finding, in those files or in the project's own headers.
set -euo pipefail
src=$1
build=$2

runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
[ -n "$runner" ] && command -v clang-tidy >/dev/null || {
    echo "FAIL: clang-tidy is not installed (scripts/deps.sh --test installs it)" >&2
    exit 1
}
[ -f "$build/compile_commands.json" ] || {
    echo "FAIL: no $build/compile_commands.json" >&2
    exit 1
}

ours="^$src/(src|tests|bench)/"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The compile commands are g++'s: clang may not know every warning option in them. The moc
# files that the tests include come from the build, so this runs after it.
status=0
"$runner" -p "$build" -j 2 -quiet -header-filter="$ours" \
    -extra-arg=-Wno-unknown-warning-option "$ours" >"$log" 2>&1 || status=$?
# Keep the findings and their context; drop the runner's progress lines.
grep -v -E '^(clang-tidy|Running clang-tidy|[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed [0-9]+ warnings|Use -header-filter|Error while processing)' "$log" || true
if [ "$status" -ne 0 ] || grep -q -E '(warning|error): ' "$log"; then
    echo "FAIL: clang-tidy reports findings" >&2
    exit 1
fi
echo "clang-tidy: no findings in $(grep -c '"file"' "$build/compile_commands.json") compile commands"
