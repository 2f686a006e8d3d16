#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need.
set -euo pipefail

packages=(
    cmake g++ make ccache
    qt6-base-dev libgtest-dev libbenchmark-dev
    python3-fonttools
    xvfb xauth xdotool xclip x11-utils imagemagick
    fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
fi
