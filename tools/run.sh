#!/usr/bin/env bash
# Starts Tapwell under Wine. On a display it simply runs. Without one it starts a virtual display,
# saves a picture of the main dialog, prints the picture's path, and ends the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/wine-env.sh
exe=build/$TAPWELL_ARCH/tapwell.exe

if [ "${1:-}" = --screenshot ]; then
    mkdir -p build/screenshots
    out=$top/build/screenshots/tapwell-$(date +%Y%m%d-%H%M%S).png
    "$WINE_LOADER" "$exe" >/dev/null 2>&1 &
    if "$WINE_LOADER" "build/$TAPWELL_ARCH/tests/e2e/snap.exe" Quillora_Tapwell_KIOP39D "$("$WINE_LOADER" winepath -w "$out" 2>/dev/null)" 30000; then
        echo "screenshot: $out"
    else
        echo "run: the main dialog did not show" >&2
        exit 1
    fi
    exit 0
fi

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=${WINEPREFIX:-$top/build/wine-run-$TAPWELL_ARCH}
    exec "$WINE_LOADER" "$exe"
fi
exec tools/with-xvfb-wine.sh "build/wine-run-$TAPWELL_ARCH" tools/run.sh --screenshot
