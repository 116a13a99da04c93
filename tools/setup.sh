#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages only.
# Idempotent: on a ready machine it only checks and returns within seconds.
set -euo pipefail

packages=(
    g++ cmake make dpkg-dev pkg-config
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    libgtest-dev libpng-dev clang libclang-rt-dev
    wine wine32:i386 wine64 fonts-wine xvfb x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
src_list=/etc/apt/sources.list.d/tapwell-deb-src.sources

if [ ${#missing[@]} -eq 0 ] && [ -f "$src_list" ]; then
    exit 0
fi

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

echo "setup: installing ${missing[*]:-source list}"
dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
if [ ! -f "$src_list" ]; then
    # The libpng sources for the Windows build come from Debian's source package.
    as_root tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -q
as_root apt-get install -y -q --no-install-recommends "${packages[@]}"
