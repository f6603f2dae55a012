#!/usr/bin/env bash
# Installs what building, running and testing Quorvane needs on Debian 12, if it is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build git
    qt6-base-dev qt6-base-dev-tools libgl-dev
    xvfb xauth x11-utils xdotool imagemagick libx11-dev
    # The display check at start-up connects through libxcb, as Qt's X11 platform does.
    libxcb1-dev
    # Fallbacks for the windows' fonts: DejaVu Sans for Verdana; Liberation Sans, as wide as
    # Arial, for Tahoma (DejaVu Sans is too wide for the settings dialog's option buttons).
    fonts-dejavu-core fonts-liberation2 tzdata
    # Qt's Wayland platform, so that the program runs natively in a Wayland session.
    qt6-wayland
    # The translations: lupdate and lrelease with their CMake functions, and Qt's own texts
    # (the file dialog, the message boxes' buttons) in the user's language.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
if [ "${1:-}" = "--test" ]; then
    packages+=(clang libclang-rt-14-dev clang-format clang-tidy valgrind)
    # Packaging and its checks: dpkg-shlibdeps, the desktop entry and AppStream validators,
    # Debian's package checker.
    packages+=(dpkg-dev file desktop-file-utils appstream lintian)
    # GLib's own reader of desktop entries, as GNOME-style sessions read the login entry.
    packages+=(python3-gi gir1.2-glib-2.0)
    # Fails and kills each system call of a save in turn.
    packages+=(strace)
    # A headless Wayland compositor for the end-to-end test on Wayland.
    packages+=(weston)
    # The Windows build: the cross compiler, and Wine to run its tests (wine holds the
    # commands, wine64 the 64-bit loader).
    packages+=(mingw-w64 wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
