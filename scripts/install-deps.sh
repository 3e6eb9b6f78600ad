#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when any is missing.
# Runs apt-get update only if something must be installed; works as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev pkg-config
  qt6-base-dev libxcb1-dev libgl-dev
  libgtest-dev libgmock-dev
  fonts-liberation xdg-utils
  xvfb xauth xdotool xclip x11-utils imagemagick
  desktop-file-utils appstream dpkg-dev file
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  libbenchmark-dev libxcb-xtest0-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
