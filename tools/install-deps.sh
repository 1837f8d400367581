#!/bin/sh
# Installs the Debian packages that building, running and testing Tarvelle need.
# Does nothing when every package is already there; installs as root, or through sudo.
set -eu

packages="
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev qt6-multimedia-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  kdegames-card-data-kf5 fonts-dejavu-core
  xvfb xauth imagemagick xdotool
"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and neither root nor sudo is available:$missing" >&2
  exit 1
fi
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
