#!/usr/bin/env bash
# lintian.sh <cpack> <build dir> <version>: builds the .deb from the build tree and runs
# Debian's package checker on it: no error and no warning may be reported. (Run as root,
# lintian adds a note that it should not be; notes and information pass.)
set -euo pipefail
cpack=$1
build=$2
version=$3
source "$(dirname "$0")/../../scripts/lib/e2e.sh"

require_tools lintian dpkg-shlibdeps
e2e_begin

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$tmp/cpack.log")"
deb=$tmp/out/quorvane_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$tmp/out")"

status=0
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || status=$?
cat "$tmp/lintian.log"
if grep -Eq '^[EW]: ' "$tmp/lintian.log"; then
    fail "lintian reports errors or warnings on $(basename "$deb")"
fi
# Status 1 and more without a reported tag: lintian itself failed.
[ "$status" -eq 0 ] || grep -q '^[EW]: ' "$tmp/lintian.log" ||
    fail "lintian ended with status $status"
echo "lintian: no error and no warning on $(basename "$deb")"
