#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only when some are missing.
# Extra package names given as arguments are installed too.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-webengine-dev libqt6sql6-sqlite qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n qt6-svg-dev libqt6svg6 sqlite3 xvfb xauth "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
