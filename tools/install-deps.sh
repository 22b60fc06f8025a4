#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need,
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail
packages=(
  g++ cmake ninja-build make pkg-config ccache
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgif-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n fonts-wqy-microhei
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libnlopt-cxx-dev libopenmpi-dev openmpi-bin
  xvfb xauth fonts-dejavu-core openbox xdotool x11-utils
  clang libclang-rt-14-dev
  emscripten chromium
  help2man man-db desktop-file-utils appstream dpkg-dev file lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# node and npm (the web page's build and browser test) may come from a node
# distribution other than Debian's, whose npm package would conflict with it.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
