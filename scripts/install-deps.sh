#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that the named tasks need and that are not installed yet.
# Usage: scripts/install-deps.sh build|run|test|fuzz|package|lint|studio ...
# Quick when nothing is missing: it only asks dpkg. Needs root, or sudo.
set -euo pipefail

declare -A needs=(
    [build]="cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools libfontconfig-dev libxcb1-dev"
    [run]="qt6-qpa-plugins libqt6multimedia6 fonts-dejavu-core fonts-liberation2 xvfb xauth imagemagick qt6-translations-l10n"
    [test]="emscripten fonts-dejavu-core fonts-liberation2 qt6-wayland weston shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl qt6-translations-l10n chromium firefox-esr webkit2gtk-driver python3-gi gir1.2-webkit2-4.1 default-jre-headless nodejs python3 orca xvfb xdotool python3-pyatspi at-spi2-core dbus-daemon dbus-bin"
    [fuzz]="clang-14 libclang-rt-14-dev"
    [package]="dpkg-dev file desktop-file-utils appstream lintian shared-mime-info xdg-utils libfile-mimeinfo-perl"
    [lint]="clang-format clang-tidy git nodejs"
)
# The studio (scripts/studio.sh): the build, emscripten for the engine, Node for its build steps and
# Python for the server.
needs[studio]="${needs[build]} emscripten nodejs python3"

wanted=()
for task in "$@"; do
    [[ -n "${needs[$task]+set}" ]] || { echo "install-deps: unknown task '$task'" >&2; exit 2; }
    read -ra packages <<<"${needs[$task]}"
    wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
# The browser tests and the JavaScript lint install their modules with npm. Debian's nodejs comes
# without it; a nodejs from elsewhere may bring its own, beside which Debian's npm cannot be installed.
for task in "$@"; do
    if [[ $task == test || $task == lint ]] && ! command -v npm >/dev/null; then
        missing+=(npm)
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "install-deps: run as root, or install sudo" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
