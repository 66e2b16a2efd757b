#!/usr/bin/env bash
# Builds the Debian package wattlan_<version>_<architecture>.deb into this folder.
# Install it with: sudo apt-get install ./wattlan_*.deb
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
for file in ym_config_zv.xml ym_config_ob.xml ym_config_ts.xml; do
  [ -f "data/$file" ] || { echo "warning: data/$file is missing: the package holds no product catalogue" >&2; break; }
done
rm -rf build/package
cpack --config build/CPackConfig.cmake -B build/package
mv build/package/wattlan_*.deb .
ls wattlan_*.deb
