#!/usr/bin/env bash
# run_fuzzer.sh <fuzzer> <seed corpus> <seconds>: runs a fuzz target for a bounded time on a
# scratch copy of its seed corpus, so the committed corpus stays as it is.
set -euo pipefail
fuzzer=$(realpath "$1") seeds=$(realpath "$2") seconds=$3
artifacts=${FUZZ_ARTIFACTS:-$PWD}/fuzz-artifacts
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp -r "$seeds"/. "$work/corpus/"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=512 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/" "$work/corpus"
