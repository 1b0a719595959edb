#!/usr/bin/env bash
# Fails when a C++ file under src, tests, bench or fuzz differs from .clang-format,
# and names it. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed (scripts/setup.sh installs it)" >&2; exit 2; }
git ls-files -z --cached --others --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' \
  'fuzz/*.h' 'fuzz/*.cpp' | xargs -0 -P2 -n 25 clang-format --dry-run -Werror
echo "check-format: every file follows .clang-format"
