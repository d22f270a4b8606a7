#!/usr/bin/env bash
# Installs every Debian package Parlamo needs to build, test and run its demo.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev libpugixml-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsndfile1-dev
  libtesseract-dev libleptonica-dev tesseract-ocr tesseract-ocr-eng tesseract-ocr-spa
  tesseract-ocr-deu tesseract-ocr-fra
  libcurl4-openssl-dev
  qcoro-qt6-dev
  libcld2-dev
  libxcb1-dev libxcb-keysyms1-dev libxkbcommon-dev
  libqt6sql6-sqlite
  libgtest-dev libbenchmark-dev
  libcpp-httplib-dev libespeak-ng-dev espeak-ng
  xvfb xauth xdotool x11-utils xclip trayer imagemagick
  dbus-daemon libglib2.0-bin python3-dbusmock
  at-spi2-core gir1.2-atspi-2.0 python3-gi
  weston qt6-wayland wl-clipboard
  pulseaudio pulseaudio-utils sox
  apertium-apy apertium-eng-spa apertium-spa-cat apertium-eng-cat
  curl ca-certificates procps openssl
  qt6-qpa-plugins libqt6svg6 fonts-dejavu-core
  fonts-liberation2
  clang clang-format clang-tidy libclang-rt-14-dev llvm shellcheck
  librsvg2-bin
  desktop-file-utils
  appstream
  groff-base
  file
  lintian
  libsystemd-dev systemd
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
