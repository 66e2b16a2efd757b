#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts Wattlan on the bundled sample database.
set -euo pipefail
cd "$(dirname "$0")"
# Only the program (its catalogue and translations come with it); the tests
# are left to test.sh.
./setup.sh wattlan
# The window icon and the toolkit's translation are looked up in the working directory.
cd build
exec ./wattlan "$@"
