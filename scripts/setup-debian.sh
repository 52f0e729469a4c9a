#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Quirn needs on Debian 12, skipping what is there.
set -eu

packages="build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-image-formats-plugins
  qt6-translations-l10n libgl-dev libpng-dev
  libopencv-core-dev libopencv-imgproc-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
  fonts-liberation2 fontconfig locales xvfb xauth
  cups printer-driver-cups-pdf poppler-utils
  dpkg-dev file desktop-file-utils appstream man-db"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# A locale whose decimal point is "," for the tests that prove numbers ignore the locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    as_root localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
