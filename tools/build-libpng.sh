#!/usr/bin/env bash
# Builds a static libpng for a MinGW target from Debian's libpng1.6 source package.
# Usage: build-libpng.sh TRIPLET PREFIX   (e.g. i686-w64-mingw32 build/deps/i686-w64-mingw32)
set -euo pipefail
triplet=$1
prefix=$(realpath -m "$2")
top=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$prefix/lib/libpng.a" ] && exit 0

src_root=$top/build/deps/src
mkdir -p "$src_root"
src=$(find "$src_root" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
if [ -z "$src" ]; then
    (cd "$src_root" && apt-get source -q libpng1.6 >/dev/null 2>&1)
    src=$(find "$src_root" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
fi
[ -n "$src" ] || { echo "build-libpng: apt-get source libpng1.6 failed" >&2; exit 1; }

work=$top/build/deps/libpng-build-$triplet
cmake -S "$src" -B "$work" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$triplet.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_LIBRARY="/usr/$triplet/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="/usr/$triplet/include" >/dev/null
cmake --build "$work" -j "$(nproc)" >/dev/null
cmake --install "$work" >/dev/null
echo "build-libpng: installed libpng for $triplet in $prefix"
