#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it with lintian.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build); exits with lintian's status.
set -euo pipefail
build=${1:-build}
command -v lintian >/dev/null || { echo "lintian is missing: apt-get install lintian"; exit 1; }
cmake --build "$build" -j2
(cd "$build" && rm -f lexido_*.deb && cpack -G DEB)
deb=$(ls "$build"/lexido_*.deb)
echo "lintian $deb:"
lintian --fail-on error "$deb"
echo "lintian: no errors"
