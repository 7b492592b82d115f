#!/usr/bin/env bash
# Installs what building Quillfen needs on Debian 12, then configures and
# builds build/ (the game, its data tree and the tests).
#
# usage: tools/setup.sh [--tests]   --tests also installs what the tests need
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config libsdl1.2-dev libsdl-mixer1.2-dev libsdl-gfx1.2-dev
          libgtest-dev googletest libfreetype-dev fonts-dejavu-core)
if [ "${1:-}" = "--tests" ]; then
    # A virtual X server, a way to type and close windows, window facts and screenshots.
    packages+=(xvfb xdotool x11-utils imagemagick)
    # clang with libFuzzer's runtime, for the loader fuzz targets.
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The generator is only named on the first configure, so an existing build/
# keeps whichever one it was made with.
generator=()
[ -f build/CMakeCache.txt ] || generator=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S . -B build "${generator[@]}" -DQUILLFEN_DATA=ON
cmake --build build --parallel "$(nproc)"
