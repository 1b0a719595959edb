#!/usr/bin/env bash
# Fails when an include under src/ runs against the layer order
#
#   core < results < statistics < forecast < reports < play < net < (cli, ui) < app
#
# A folder may include its own headers and those of any folder before it; cli and ui
# stand side by side and never include each other. The domain folders and cli build
# without widgets, so the only Qt headers they may include are QtCore's. net is the
# one place that talks to the network (the results download): QtCore and QtNetwork.
# Usage: check-layers.sh [SOURCE_ROOT]   (default: the repository this script is in)
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"
[ -d src ] || { echo "check-layers: no src folder in $root" >&2; exit 2; }

qt_headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || true)
[ -d "$qt_headers/QtCore" ] || { echo "check-layers: cannot find the QtCore headers" >&2; exit 2; }

# The verdict is awk's: grep finding no include at all is no failure.
set +o pipefail
find src -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
  xargs -0 grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' /dev/null |
  awk -v qtcore="$qt_headers/QtCore" -v qtnetwork="$qt_headers/QtNetwork" '
    BEGIN {
      order = "core results statistics forecast reports play net cli ui app"
      n = split(order, names, " ")
      for (i = 1; i <= n; i++) rank[names[i]] = i
      rank["ui"] = rank["cli"]      # side by side
      rank["app"] = rank["cli"] + 1
      coreOnly["core"] = coreOnly["results"] = coreOnly["statistics"] = 1
      coreOnly["forecast"] = coreOnly["reports"] = coreOnly["play"] = coreOnly["cli"] = 1
      rule = "layer order: core < results < statistics < forecast < reports < play < net < (cli, ui) < app"
      bad = 0
    }
    function qtNetworkHas(header,    name) {
      if (header in knownNet) return knownNet[header]
      name = header
      sub(/^QtNetwork\//, "", name)
      knownNet[header] = (system("test -f \"" qtnetwork "/" name "\"") == 0)
      return knownNet[header]
    }
    function qtCoreHas(header,    name) {
      if (header in known) return known[header]
      name = header
      sub(/^QtCore\//, "", name)
      known[header] = (system("test -f \"" qtcore "/" name "\"") == 0)
      return known[header]
    }
    {
      # file:line:text
      file = $0; sub(/:.*/, "", file)
      rest = substr($0, length(file) + 2)
      line = rest; sub(/:.*/, "", line)
      text = substr(rest, length(line) + 2)
      split(file, parts, "/")
      layer = parts[2]
      if (!(layer in rank)) {
        if (!(file in reportedUnknown)) {
          printf "%s: src/%s has no place in the layer order; add it to scripts/check-layers.sh and CONTRIBUTING.md\n", file, layer
          reportedUnknown[file] = 1
          bad = 1
        }
        next
      }
      if (match(text, /"[^"]*"/)) {
        target = substr(text, RSTART + 1, RLENGTH - 2)
        if (index(target, "/") == 0) next
        folder = target; sub(/\/.*/, "", folder)
        if (!(folder in rank) || folder == layer) next
        if ((layer == "cli" && folder == "ui") || (layer == "ui" && folder == "cli")) {
          printf "%s:%s: %s includes %s; cli and ui never include each other (%s)\n", file, line, layer, target, rule
          bad = 1
        } else if (rank[folder] > rank[layer]) {
          printf "%s:%s: %s includes %s from a later layer (%s)\n", file, line, layer, target, rule
          bad = 1
        }
      } else if (layer == "net" && match(text, /<Q[^>]*>/)) {
        target = substr(text, RSTART + 1, RLENGTH - 2)
        if (!qtCoreHas(target) && !qtNetworkHas(target)) {
          printf "%s:%s: net includes <%s>, which is neither a QtCore nor a QtNetwork header\n", file, line, target
          bad = 1
        }
      } else if ((layer in coreOnly) && match(text, /<Q[^>]*>/)) {
        target = substr(text, RSTART + 1, RLENGTH - 2)
        if (!qtCoreHas(target)) {
          printf "%s:%s: %s includes <%s>, which is not a QtCore header (domain code and cli build without widgets)\n", file, line, layer, target
          bad = 1
        }
      }
    }
    END { exit bad }
  '
