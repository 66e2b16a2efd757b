#!/usr/bin/env bash
# Builds the Debian packages into this folder: wattlan-cli_<version>_<architecture>.deb
# (the command line, with the catalogue and the translations) and
# wattlan_<version>_<architecture>.deb (the window, which depends on wattlan-cli).
# Install both with: sudo apt-get install ./wattlan_*.deb ./wattlan-cli_*.deb
# or the command line alone with: sudo apt-get install ./wattlan-cli_*.deb
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
for file in ym_config_zv.xml ym_config_ob.xml ym_config_ts.xml; do
  [ -f "data/$file" ] || { echo "warning: data/$file is missing: the packages hold no product catalogue" >&2; break; }
done
rm -rf build/package
cpack --config build/CPackConfig.cmake -B build/package
mv build/package/wattlan_*.deb build/package/wattlan-cli_*.deb .
ls wattlan_*.deb wattlan-cli_*.deb
