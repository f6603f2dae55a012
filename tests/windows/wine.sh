#!/usr/bin/env bash
# wine.sh <wine prefix> <Qt for Windows> <font folder> <program.exe> [arguments...]: runs a
# program of the Windows build under Wine, as CTest's emulator there, with the build's Qt and
# fonts for Qt's offscreen platform; "-" for either leaves it out (a program that carries its
# own Qt, as the package does).
#
# Wine hands no QT_* variable of this system to a Windows program (they would describe this
# system's Qt) but passes WINEQT_* on as QT_*: the test's own QT_* settings go that way.
set -euo pipefail
prefix=$1
qt=$2
fonts=$3
shift 3

# The drive Z: of Wine is this system's root folder.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

export WINEPREFIX=$prefix WINEDEBUG=-all
if [ "$qt" != - ]; then
    export WINEPATH=$(windows_path "$qt/bin") QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
    # QtTest writes to the debugger, not to stdout, where there is no console window.
    export QT_FORCE_STDERR_LOGGING=1
fi
if [ "$fonts" != - ]; then
    export QT_QPA_FONTDIR=$(windows_path "$fonts")
fi
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done

# The first of the programs that run side by side makes the prefix; the others wait for it.
# Wine's server and its own processes (services, the desktop) outlive the program that starts
# them, and would keep its output open, and CTest waiting: they are started here, apart from it,
# and the server stays up for 30 s after its last program, for the next one. (--close: the
# server would hold the lock otherwise.)
mkdir -p "$prefix"
flock --close "$prefix.lock" sh -c '
    if [ ! -f "$WINEPREFIX/.made" ]; then
        wineboot -i && wineserver -w && touch "$WINEPREFIX/.made" || exit 1
    fi
    if wineserver -p30; then wine cmd /c exit; fi' >/dev/null 2>&1 ||
    { status=$?; echo "wine.sh: Wine did not start for $1 (status $status)" >&2; exit "$status"; }
exec wine "$@"
