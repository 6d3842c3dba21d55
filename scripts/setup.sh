#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing. Safe to run again.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev xvfb xauth x11-apps imagemagick fonts-dejavu-core fonts-dejavu-extra
          libgtest-dev libbenchmark-dev locales clang-format clang-tidy clang-tidy-19
          desktop-file-utils appstream help2man dpkg-dev man-db file qt6-translations-l10n lintian
          libmuparser-dev pkgconf openbox xdotool python3 qt6-svg-dev poppler-utils
          libfftw3-dev libgdal-dev libeigen3-dev qt6-charts-dev libqt6opengl6-dev libgif-dev
          libxml2-utils shared-mime-info qt6-l10n-tools qt6-tools-dev
          qt6-datavisualization-dev qt6-declarative-dev ccache ninja-build
          pybind11-dev python3-pybind11 python3-dev python3-numpy python3-pytest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
