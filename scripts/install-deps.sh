#!/usr/bin/env bash
# Installs the Debian 12 packages a command needs:
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that and everything the tests, benchmarks and validators need
set -euo pipefail
set_name=${1:-test}
run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
  libsqlcipher-dev libssl-dev libgif-dev
  fonts-dejavu-core fonts-liberation fonts-urw-base35
)
test_packages=(
  sqlcipher
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb x11-apps imagemagick xdotool locales poppler-utils
  desktop-file-utils appstream
)
case "$set_name" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
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
if [ "$set_name" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
fi
