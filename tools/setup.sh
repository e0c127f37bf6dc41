#!/usr/bin/env bash
# Prepares a fresh machine for building and testing: Debian packages, GoogleTest and
# libjpeg-turbo cross-built for mingw-w64, and a private Wine prefix. Every step checks
# whether its result is already there, so a second run costs almost nothing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"
triple=x86_64-w64-mingw32
toolchain="$root/cmake/mingw-w64.cmake"
mkdir -p "$deps"

log() { printf 'setup: %s\n' "$*"; }

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          mingw-w64-x86-64-dev wine wine64 xvfb xauth fonts-liberation imagemagick librsvg2-bin
          cmake make g++ dpkg-dev googletest x11-utils python3 zlib1g-dev
          po4a gettext fp-utils-3.2.2 nsis zip unzip libxml2-utils)
# Only `make fuzz` (setup.sh --fuzz) needs clang and its libFuzzer runtime.
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    log "installing ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Source packages come from the same mirrors as the binary ones: derive deb-src entries
# from the machine's own apt sources instead of naming any host here.
enable_sources() {
    local list=/etc/apt/sources.list.d/project-deb-src.sources
    [ -f "$list" ] && return
    local src=/etc/apt/sources.list.d/debian.sources
    if [ -f "$src" ]; then
        sed -E 's/^Types:.*/Types: deb-src/' "$src" | as_root tee "$list" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            as_root tee /etc/apt/sources.list.d/project-deb-src.list >/dev/null
        as_root touch "$list"
    fi
    as_root apt-get update -qq
}

build_gtest() {
    [ -f "$deps/gtest/lib/libgtest.a" ] && return
    log "building GoogleTest for $triple"
    rm -rf "$deps/gtest-build"
    cmake -S /usr/src/googletest -B "$deps/gtest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps/gtest" -Dgtest_disable_pthreads=ON \
        -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$deps/gtest-build" -j"$(nproc)" >/dev/null
    cmake --install "$deps/gtest-build" >/dev/null
}

build_jpeg() {
    [ -f "$deps/jpeg/lib/libjpeg.a" ] && return
    log "building libjpeg-turbo for $triple"
    enable_sources
    rm -rf "$deps/jpeg-src" && mkdir -p "$deps/jpeg-src"
    (cd "$deps/jpeg-src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
    local dir
    dir=$(find "$deps/jpeg-src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo*' | head -n 1)
    [ -n "$dir" ] || { echo "setup: libjpeg-turbo source not found" >&2; exit 1; }
    cmake -S "$dir" -B "$deps/jpeg-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$deps/jpeg" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
        -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF >/dev/null
    cmake --build "$deps/jpeg-build" -j"$(nproc)" --target jpeg-static >/dev/null
    mkdir -p "$deps/jpeg/lib" "$deps/jpeg/include"
    cp "$deps/jpeg-build/libjpeg.a" "$deps/jpeg/lib/"
    cp "$dir/jpeglib.h" "$dir/jmorecfg.h" "$dir/jerror.h" "$deps/jpeg-build/jconfig.h" "$deps/jpeg/include/"
}

make_prefix() {
    "$root/tools/wine-env.sh" true
}

install_packages
build_gtest
build_jpeg
make_prefix
