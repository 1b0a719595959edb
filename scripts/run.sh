#!/usr/bin/env bash
# Sets up, builds in Release and starts Kivora on the sample data it seeds into the
# program folder (KIVORA_HOME, or the per-user data folder) on its first start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKIVORA_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target kivora kivora-cli -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "kivora: no display found (DISPLAY is not set). Start it from a desktop session, or without one: xvfb-run -a build/release/src/kivora" >&2
  exit 1
fi
exec build/release/src/kivora "$@"
