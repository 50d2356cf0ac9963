#!/usr/bin/env bash
# Installs what building, running and testing Quillon needs, from Debian's packages.
# Quick when everything is already there.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n # Qt Linguist: the .ts files, lupdate, lrelease; Qt's own dialogs translated
    fonts-noto-cjk # Chinese text in the window
    libzip-dev zlib1g-dev libbenchmark-dev libxlsxwriter-dev libsqlite3-dev libpq-dev
    postgresql-15 # the team archive server, started by the tests as a throwaway cluster
    clang libclang-rt-14-dev
    poppler-utils fonts-liberation fonts-dejavu-core python3-openpyxl
    libreoffice-writer-nogui # lays out the .docx report in its test
    cmark-gfm librsvg2-bin gzip
    file dpkg-dev desktop-file-utils appstream lintian
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
