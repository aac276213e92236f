#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/bin/quillomar-pad-submitter "$@"
