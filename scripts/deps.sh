#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and those
# named as arguments, where any is missing.
#   bash scripts/deps.sh [PACKAGE...]
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools fonts-dejavu-core
  iproute2 python3-jsonschema git ansible-core xvfb xauth poppler-utils "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
