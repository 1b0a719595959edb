#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over the source files under src/ (or
# the files named), two at a time, with the compile commands of a build (default
# build/asan, which scripts/test.sh configures). Fails on any warning and prints each
# with its file and line. About five minutes for all of src/ on two idle cores.
# Usage: tidy.sh [BUILD_DIR [FILE...]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/asan}
shift || true
command -v clang-tidy >/dev/null || { echo "tidy: clang-tidy is not installed (scripts/setup.sh installs it)" >&2; exit 2; }
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2; exit 2; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
start=$SECONDS
status=0
if [ $# -gt 0 ]; then
  printf '%s\0' "$@"
else
  find src -name '*.cpp' -print0 | sort -z
fi | xargs -0 -P2 -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1 || status=$?
# clang-tidy counts the warnings it suppressed in Qt's headers; only ours are shown.
grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$log" || true
echo "tidy: checked in $((SECONDS - start)) s"
if [ $status -ne 0 ]; then
  echo "tidy: clang-tidy found warnings (above); fix them, or leave a check out of .clang-tidy saying why" >&2
  exit 1
fi
