#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
  libsqlcipher-dev sqlcipher libssl-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation fonts-urw-base35
  xvfb x11-apps imagemagick xdotool locales poppler-utils
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
# A comma-decimal locale for the locale-proof number tests.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
fi
