#!/usr/bin/env bash
# Builds a static libpng from Debian's libpng1.6 source package, for a MinGW target or for the fuzz
# build (this machine, clang, instrumented for libFuzzer and the sanitizers).
# Usage: build-libpng.sh TARGET PREFIX   (TARGET: a MinGW triplet such as i686-w64-mingw32, or fuzz)
set -euo pipefail
target=$1
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

if [ "$target" = fuzz ]; then
    target_args=(-DCMAKE_C_COMPILER=clang
        "-DCMAKE_C_FLAGS=-g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all")
else
    target_args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/$target.cmake" -DZLIB_LIBRARY="/usr/$target/lib/libz.a"
        -DZLIB_INCLUDE_DIR="/usr/$target/include")
fi
work=$top/build/deps/libpng-build-$target
cmake -S "$src" -B "$work" "${target_args[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF >/dev/null
cmake --build "$work" -j "$(nproc)" >/dev/null
cmake --install "$work" >/dev/null
echo "build-libpng: installed libpng for $target in $prefix"
