#!/usr/bin/env bash
# deb.sh <cpack> <build dir> <version>: builds the .deb from the build tree and checks its
# name, version, contents and the dependencies dpkg-shlibdeps found. As root it then installs
# the package on this machine, starts /usr/bin/quorvane in a private Xvfb display with private
# settings, waits for the window titled "Quorvane", and removes the package again.
set -euo pipefail
cpack=$1
build=$2
version=$3
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

fail() {
    echo "FAIL: $*" >&2
    if [ -s "${tmp:-}/app.log" ]; then sed 's/^/  program: /' "$tmp/app.log" >&2; fi
    exit 1
}
for tool in dpkg-deb dpkg-shlibdeps file Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh --test installs it)"
done

tmp=$(mktemp -d)
installed=""
app=""
cleanup() {
    # Bounded: a process that ignores the polite signal must not hang the test until its timeout.
    stop_pids "$app" "$xvfb"
    if [ -n "$installed" ]; then
        dpkg -r quorvane >"$tmp/remove.log" 2>&1 || cat "$tmp/remove.log" >&2
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# The package is built in the temporary folder, so the build tree gains no _CPack_Packages.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$tmp/cpack.log")"
deb=$tmp/out/quorvane_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$tmp/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvane ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version-1" ] || fail "package version is '$(field Version)'"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contents"
for f in ./usr/bin/quorvane ./usr/share/applications/quorvane.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quorvane.png; do
    grep -qx "$f" "$tmp/contents" || fail "the package lacks $f"
done
dpkg-deb -x "$deb" "$tmp/root"
file -b "$tmp/root/usr/bin/quorvane" | grep -q ', stripped' || fail "the executable is not stripped"
echo "built $(basename "$deb"): Depends: $depends"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing the package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' quorvane 2>/dev/null | grep -q 'ok installed'; then
    echo "SKIP: a quorvane package is already installed here; leaving it alone"
    exit 77
fi

# apt-get installs any missing dependency; dpkg alone would leave the package half-configured.
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=120 "$deb" >"$tmp/install.log" 2>&1 ||
    fail "installing the package failed: $(cat "$tmp/install.log")"
[ "$(command -v quorvane)" = /usr/bin/quorvane ] || fail "quorvane is not /usr/bin/quorvane"
[ -f /usr/share/applications/quorvane.desktop ] || fail "no desktop entry in the menu's folder"

xvfb_start "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"

mkdir -p "$tmp/home" "$tmp/config" "$tmp/cache"
mkdir -m 700 "$tmp/runtime"
(
    cd "$tmp/home"
    export QT_QPA_PLATFORM=xcb HOME=$tmp/home \
        XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime
    exec /usr/bin/quorvane
) >"$tmp/app.log" 2>&1 &
app=$!

window=""
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the installed program ended without showing its window"
    sleep 0.2
done
[ -n "$window" ] || fail "no window titled Quorvane within 30 s"
# The desktop pairs the window with the menu entry through its class.
wmclass=$(xprop -id "$window" WM_CLASS)
grep -q "\"$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/quorvane.desktop)\"" \
    <<<"$wmclass" || fail "the window's $wmclass does not match the desktop entry's StartupWMClass"
echo "the installed /usr/bin/quorvane shows its window; $wmclass"

kill "$app"
wait "$app" 2>/dev/null || true
app=""
dpkg -r quorvane >"$tmp/remove.log" 2>&1 || fail "removing the package failed: $(cat "$tmp/remove.log")"
installed=""
[ ! -e /usr/bin/quorvane ] || fail "/usr/bin/quorvane is still there after removal"
echo "package installed, started and removed"
