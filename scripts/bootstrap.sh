#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and running Vorel need.
# Idempotent: when every package is already installed it does nothing.
#   bootstrap.sh          what the program and its tests need
#   bootstrap.sh --fuzz   and clang with libFuzzer, for scripts/fuzz.sh
set -euo pipefail

packages=(
    build-essential
    pkg-config
    cmake
    qt6-base-dev
    qt6-svg-dev
    # Qt's own words in Italian (qtbase_it.qm), on Linux and copied into the Windows program.
    qt6-translations-l10n
    libgl-dev
    libglx-dev
    libopengl-dev
    libbenchmark-dev
    # The official results file comes as a zip, downloaded over HTTPS; the tests make a certificate.
    libzip-dev
    ca-certificates
    openssl
    fonts-liberation2
    xvfb
    xauth
    # Installing and packaging, and their checks: the desktop entry, the AppStream metadata, the
    # manual page, the Debian package's computed dependencies, a first start under a virtual screen.
    desktop-file-utils
    appstream
    man-db
    dpkg-dev
    lintian
    file
    xdotool
    # systemd-analyze checks the user timer the package ships.
    systemd
    # The kill check: the real program killed at each write under strace, backups named by a fixed
    # clock, the window driven on a virtual screen with a window manager, a tmpfs filled up.
    strace
    faketime
    openbox
    python3
)

if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "bootstrap: installing ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "bootstrap: run as root or install sudo" >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
