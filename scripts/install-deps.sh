#!/usr/bin/env bash
# Installs the Debian packages KORA needs to build, test and run. Idempotent: it only calls
# apt-get (and refreshes the package lists once) when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgl-dev libxlsxwriter-dev unzip
    fonts-liberation2 xvfb xauth locales
    libhpdf-dev nlohmann-json3-dev poppler-utils dpkg-dev file
    clang libclang-rt-14-dev
)

# Locales the tests run under: en_US (Letter paper by default) and a comma-decimal one (de_DE),
# so number text is proven to ignore the user's locale.
locales=(en_US.UTF-8 de_DE.UTF-8)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

has_locale() {
    # locale -a spells "en_US.UTF-8" as "en_US.utf8".
    locale -a 2>/dev/null | grep -qix "${1%.UTF-8}.utf8"
}

missing_locales=()
for l in "${locales[@]}"; do
    has_locale "$l" || missing_locales+=("$l")
done

if [ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ${#missing_locales[@]} -gt 0 ]; then
    echo "Generating locales: ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
        # Enable the line "# en_US.UTF-8 UTF-8" of locale.gen, or add it when it is not there.
        if grep -q "^# *$l UTF-8" /etc/locale.gen 2>/dev/null; then
            "${sudo_cmd[@]}" sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
        elif ! grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null; then
            echo "$l UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
