#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and benchmarking
# need. Safe to run again: it only asks apt for what is missing.
set -euo pipefail

packages=(
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-serialport-dev
  libzint-dev libsodium-dev fonts-thai-tlwg
  postgresql cmake ninja-build ccache libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth imagemagick poppler-utils zbar-tools socat
  g++ make pkg-config git
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
