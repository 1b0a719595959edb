#!/usr/bin/env bash
# Installs what building, running and testing Kivora needs on Debian 12, and only what
# is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n poppler-utils desktop-file-utils appstream libgtest-dev libgmock-dev libbenchmark-dev
          clang-format clang-tidy
          fonts-dejavu-core xvfb xauth)
if [ "${KIVORA_WITH_SCREENSHOT_TOOLS:-0}" = 1 ]; then packages+=(imagemagick); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" \
  || { $sudo apt-get update -q && $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"; }
