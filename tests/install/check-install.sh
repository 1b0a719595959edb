#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree: both programs, the
# desktop entry, the icon in every size, the metainfo, the manual pages and the
# default data; the desktop entry and the metainfo pass their validators when they
# are installed.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
need() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
need bin/kivora
need bin/kivora-cli
need share/applications/app.kivora.Kivora.desktop
need share/metainfo/app.kivora.Kivora.metainfo.xml
need share/icons/hicolor/scalable/apps/kivora.svg
for size in 16 24 32 48 64 128 256; do need "share/icons/hicolor/${size}x${size}/apps/kivora.png"; done
need share/man/man1/kivora.1
need share/man/man1/kivora-cli.1
need share/kivora/defaults/kivora.INI
need share/kivora/defaults/lng/english.lng
need share/kivora/defaults/catalogue.txt
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/app.kivora.Kivora.desktop" || fail=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/app.kivora.Kivora.metainfo.xml" >/dev/null || fail=1
fi
# The installed command line answers.
home=$(mktemp -d)
"$prefix/bin/kivora-cli" --home "$home" lotteries >/dev/null || { echo "kivora-cli failed"; fail=1; }
rm -rf "$home"
exit $fail
