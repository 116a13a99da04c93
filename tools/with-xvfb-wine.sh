#!/usr/bin/env bash
# Runs a command with its own X display (Xvfb on a free display number) and a Wine prefix ready,
# then stops both by their process ids. Usage: with-xvfb-wine.sh PREFIX_DIR COMMAND [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
export WINEPREFIX=$(realpath -m "$1")
shift

xvfb_pid=
cleanup() {
    WINEPREFIX=$WINEPREFIX timeout 20 /usr/bin/wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the file.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 200); do [ -s "$display_file" ] && break; sleep 0.05; done
number=$(head -n 1 "$display_file"); rm -f "$display_file"
[ -n "$number" ] || { echo "with-xvfb-wine: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE_LOADER" wineboot -i >/dev/null 2>&1
    # There is no window manager on Xvfb: without this, Wine waits two seconds for one whenever
    # a top-level window is hidden or destroyed.
    "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 120 /usr/bin/wineserver -w
fi
"$@"
