#!/usr/bin/env bash
# Installs the Debian packages KORA needs to build, test and run. Idempotent: it only calls
# apt-get (and refreshes the package lists once) when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    qt6-base-dev qt6-charts-dev qt6-svg-dev libgl-dev libxlsxwriter-dev
    fonts-liberation2 xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
