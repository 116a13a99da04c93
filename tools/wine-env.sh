# Sourced by the scripts that run Windows programs: picks the Wine loader this machine can run,
# and the matching build. Sets TAPWELL_ARCH and WINE_LOADER.
#
# The shipped program is the 32-bit build. Some machines cannot execute 32-bit Linux code (and
# so no 32-bit Wine); there the same sources are run as the 64-bit build under 64-bit Wine.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    TAPWELL_ARCH=i686
    WINE_LOADER=/usr/lib/wine/wine
else
    TAPWELL_ARCH=x86_64
    WINE_LOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE_LOADER TAPWELL_ARCH
export WINELOADER=$WINE_LOADER
