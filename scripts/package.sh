#!/usr/bin/env bash
# Builds the Debian package: build/quillomar-pad-submitter_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) computes the dependencies; CPack needs `file` to find the binaries.
scripts/install-deps.sh dpkg-dev file
scripts/build.sh
cd build
cpack -G DEB
