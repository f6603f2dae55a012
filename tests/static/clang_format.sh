#!/usr/bin/env bash
# clang_format.sh <source dir>: checks every C++ file under src/, tests/ and bench/ against the
# committed .clang-format with clang-format 14, and fails on any difference.
set -euo pipefail
cd "$1"

tool=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$tool" ] || {
    echo "FAIL: clang-format is not installed (scripts/deps.sh --test installs it)" >&2
    exit 1
}
# Other versions lay out some constructs differently; the committed files follow version 14.
"$tool" --version | grep -q 'version 14\.' || {
    echo "FAIL: $("$tool" --version) is not clang-format 14" >&2
    exit 1
}

mapfile -t files < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no C++ files found" >&2; exit 1; }
"$tool" --dry-run -Werror --style=file "${files[@]}" || {
    echo "FAIL: these differ from .clang-format; 'clang-format -i <file>' fixes them" >&2
    exit 1
}
echo "clang-format: ${#files[@]} files match .clang-format"
