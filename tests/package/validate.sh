#!/usr/bin/env bash
# validate.sh desktop|metainfo <file>: the freedesktop.org validator for the desktop entry, the
# AppStream validator (no network) for the metainfo. Warnings and hints fail too.
set -euo pipefail
kind=$1
file=$2
case $kind in
desktop) tool=(desktop-file-validate "$file") ;;
metainfo) tool=(appstreamcli validate --no-net --strict "$file") ;;
*) echo "unknown kind: $kind" >&2; exit 2 ;;
esac
command -v "${tool[0]}" >/dev/null || {
    echo "FAIL: ${tool[0]} is not installed (scripts/deps.sh --test installs it)" >&2
    exit 1
}
out=$("${tool[@]}" 2>&1) || { echo "$out" >&2; exit 1; }
# desktop-file-validate reports warnings and hints with status 0; appstreamcli's last line is
# its verdict.
[ "$kind" = metainfo ] && out=$(sed '/Validation was successful/d; /^$/d' <<<"$out")
if [ -n "$out" ]; then
    echo "$out" >&2
    exit 1
fi
echo "$file: valid"
