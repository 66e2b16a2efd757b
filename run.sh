#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wattlan on the bundled sample database.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
# The window icon and the toolkit's translation are looked up in the working directory.
cd build
exec ./wattlan "$@"
