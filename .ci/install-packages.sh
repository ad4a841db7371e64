#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config ccache git
    qt6-base-dev libgl-dev libgtest-dev
    portaudio19-dev libasound2-dev libsndfile1-dev libflac-dev libsoxr-dev libmp3lame-dev libdbus-1-dev
    fonts-crosextra-carlito fonts-dejavu-core desktop-file-utils shared-mime-info libglib2.0-bin xdg-utils dpkg-dev dbus
    pulseaudio pulseaudio-utils libasound2-plugins
    xvfb openbox xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
