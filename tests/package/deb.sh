#!/usr/bin/env bash
# deb.sh <cpack> <build dir> <version>: builds the .deb from the build tree and checks its
# name, version, contents and the dependencies dpkg-shlibdeps found. As root it then installs
# the package on this machine, starts /usr/bin/quorvane in a private Xvfb display with private
# settings, waits for the window titled "Quorvane", and removes the package again.
set -euo pipefail
cpack=$1
build=$2
version=$3
source "$(dirname "$0")/../../scripts/lib/e2e.sh"

require_tools dpkg-deb dpkg-shlibdeps file Xvfb xdotool xprop
installed=""
# After the program and Xvfb have been stopped: a package left installed goes.
e2e_on_exit() {
    if [ -n "$installed" ]; then
        dpkg -r quorvane >"$tmp/remove.log" 2>&1 || cat "$tmp/remove.log" >&2
    fi
}
e2e_begin

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

start_display
# In a subshell: the package tools above and below keep the real HOME.
(
    private_home
    cd "$HOME"
    exec /usr/bin/quorvane
) >"$tmp/app.log" 2>&1 &
app=$!

window=$(wait_window '^Quorvane$' 30) || {
    running || fail "the installed program ended without showing its window"
    fail "no window titled Quorvane within 30 s"
}
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
