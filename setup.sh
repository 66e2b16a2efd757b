#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs what is missing, then
# configures and builds into build/: the targets given, or everything.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6 qt6-svg-dev xvfb xauth
  # for the checks of the install and the package: desktop-file-validate, appstreamcli,
  # dpkg-shlibdeps (the package's dependencies) and xwininfo (is the window up?)
  desktop-file-utils appstream dpkg-dev x11-utils
  # the run sheet's typeface, and pdftotext to read the sheets back in the tests
  fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
