#!/usr/bin/env bash
# Installs what the build and the tests need on Debian or Ubuntu, skipping what is there.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
          # lupdate and lrelease for our translations, and Qt's own translations beside them
          qt6-l10n-tools qt6-translations-l10n
          libqt6svg6 xvfb xauth fonts-dejavu-core
          # the install test's validators, dpkg-shlibdeps for the package's dependencies and
          # lintian for the package
          desktop-file-utils appstream dpkg-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
