#!/usr/bin/env bash
# install_tree.sh <cmake> <build dir> <version> <app id>: installs the build into an empty
# staging folder under the prefix /usr and checks what lands there: exactly the expected files,
# a desktop entry whose Exec and Icon name installed files, icons whose pixel sizes match their
# folders, metainfo that AppStream accepts together with the desktop entry and whose newest
# release is this version, and an executable that carries no run path.
set -euo pipefail
cmake=$1
build=$2
version=$3
appid=$4

for tool in appstreamcli desktop-file-validate file readelf; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is not installed (scripts/deps.sh --test installs it)" >&2
        exit 1
    }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$tmp/root "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" ||
    fail "cmake --install failed: $(cat "$tmp/install.log")"
usr=$tmp/root/usr

sizes=(16 32 48 64 128 256)
expected=(
    bin/quorvane
    share/applications/quorvane.desktop
    "share/metainfo/$appid.metainfo.xml"
    share/doc/quorvane/copyright
    share/doc/quorvane/changelog.Debian.gz
    share/man/man1/quorvane.1.gz
)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/quorvane.png"); done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected ones (- expected, + installed)"
[ -z "$(find "$tmp/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files installed outside /usr"

desktop=$usr/share/applications/quorvane.desktop
desktop-file-validate "$desktop" || fail "the installed desktop entry is not valid"
key() { sed -n "s/^$1=//p" "$desktop"; }
exec_name=$(key Exec)
[ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name names no installed executable in /usr/bin"
icon=$(key Icon)
for s in "${sizes[@]}"; do
    png=$usr/share/icons/hicolor/${s}x${s}/apps/$icon.png
    [ -f "$png" ] || fail "Icon=$icon has no ${s}x${s} picture"
    file -b "$png" | grep -q "PNG image data, $s x $s," || fail "$png is $(file -b "$png")"
done

appstreamcli validate-tree --no-net --strict "$usr" >"$tmp/validate.log" 2>&1 ||
    fail "AppStream rejects the install tree: $(cat "$tmp/validate.log")"
newest=$(grep -o '<release version="[^"]*"' "$usr/share/metainfo/$appid.metainfo.xml" |
    head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] ||
    fail "the metainfo's newest release is '$newest', the project's version is $version"

! readelf -d "$usr/bin/quorvane" | grep -E 'RPATH|RUNPATH' ||
    fail "the installed executable carries a run path"

echo "install tree: ${#expected[@]} files as expected"
