#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, on Debian 12, whichever of the packages named on the command line are missing.
# Sourced by run.sh and test.sh; does nothing when everything is already there.
set -euo pipefail

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; return 1; }
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What the program needs to build and run (Qt's CMake files look for xkbcommon, and say so
# loudly when it is missing; the start-up benchmark, built alongside, watches the X server
# through xcb), and dpkg-dev, whose dpkg-shlibdeps works out the Debian package's dependencies.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev libxkbcommon-dev libxcb1-dev
                fonts-liberation2 fonts-liberation fonts-dejavu-core xdg-utils dpkg-dev
                qt6-translations-l10n)
# What the tests need on top: a headless X server, input, the clipboard, a window manager, a
# clipboard manager, the validators of the installed desktop entry, the metainfo, the licences and
# the Debian package, and a Wayland session (weston with XWayland, its clipboard tools, Qt's
# Wayland platform).
TEST_PACKAGES=(xvfb xauth xdotool xclip x11-utils openbox parcellite desktop-file-utils appstream
               reuse lintian weston xwayland wl-clipboard qt6-wayland)
# The checks of the code (clang-format, clang-tidy) and the fuzz targets: clang with its
# sanitizer runtimes and libFuzzer.
RELIABILITY_PACKAGES=(clang-format clang-tidy clang libclang-rt-14-dev libfuzzer-14-dev)
