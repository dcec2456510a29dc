#!/usr/bin/env bash
# Installs every Debian package Tomelodex needs to build, test and benchmark.
# Safe to run again: apt skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-webengine-dev qt6-pdf-dev libcups2-dev libqt6opengl6-dev
  libqt6svg6 adwaita-icon-theme
  libsqlite3-dev sqlite3
  libxml2-dev libxslt1-dev xsltproc
  libcurl4-openssl-dev
  libquazip1-qt6-dev libssl-dev
  libchm-dev fp-utils
  libcsv-dev
  libgtest-dev libbenchmark-dev
  python3 tzdata
  fontconfig fonts-dejavu-core fonts-liberation2 fonts-noto-cjk libqt6svg6 desktop-file-utils
  qt6-translations-l10n
  xvfb xauth xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
