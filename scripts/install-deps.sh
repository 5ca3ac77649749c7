#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tavolin need, and only
# those that are missing, so that a machine that has them all is not touched.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config git findutils
    qt6-base-dev qt6-qpa-plugins libicu-dev libpcre2-dev libexiv2-dev libheif-dev libxlsxwriter-dev libcsv-dev libzip-dev libexpat1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-noto-cjk qt6-translations-l10n
    librsvg2-bin dpkg-dev desktop-file-utils appstream lintian gzip strace python3
    exfat-fuse exfatprogs dosfstools fusefat ntfs-3g
    libreoffice-calc-nogui
    # tests/platform/data/make_dated_heic.sh, which made the test's HEIC photo
    libheif-examples libimage-exiftool-perl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
