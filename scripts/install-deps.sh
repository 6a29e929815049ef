#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, if any are missing.
# Usage: scripts/install-deps.sh [play|package|test]
#   play: build and run; package: also make the .deb; test: also the test and lint tools
set -euo pipefail

build_packages=(cmake g++ make pkg-config liballegro4-dev libasound2-dev zlib1g-dev libboost-dev
                libboost-program-options-dev libpng-dev libxmp-dev libx11-dev)
package_packages=(dpkg-dev file)
test_packages=(libgtest-dev libbenchmark-dev xvfb xfonts-base xauth xdotool imagemagick python3-xlib python3-pil python3-matplotlib x11-utils openbox
               clang libclang-rt-14-dev lintian desktop-file-utils appstream)

wanted=("${build_packages[@]}")
case "${1:-test}" in
  package) wanted+=("${package_packages[@]}") ;;
  test) wanted+=("${package_packages[@]}" "${test_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
