#!/usr/bin/env bash
# The layer check passes on the sources as they are and fails, naming the file and the
# line, on each kind of stray include planted in a copy of them.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
script="$repo/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

bash "$script" "$repo" >"$work/clean.out" 2>&1 || { echo "the sources themselves fail:"; cat "$work/clean.out"; fail=1; }

# plant FILE LINE EXPECTED: a fresh copy of src/ with LINE appended to FILE must fail
# and name FILE with the line number of the planted include and EXPECTED.
plant() {
  local file=$1 include=$2 expected=$3 tree="$work/tree"
  rm -rf "$tree" && mkdir -p "$tree" && cp -r "$repo/src" "$tree/"
  mkdir -p "$(dirname "$tree/$file")"
  echo "$include" >>"$tree/$file"
  local line
  line=$(wc -l <"$tree/$file")
  if bash "$script" "$tree" >"$work/out" 2>&1; then
    echo "not caught: '$include' in $file"; fail=1
  elif ! grep -qF "$file:$line: " "$work/out" || ! grep -qF "$expected" "$work/out"; then
    echo "caught '$include' in $file, but the message does not say where or why:"; cat "$work/out"; fail=1
  fi
}

plant src/core/TextFile.h '#include "play/TicketSummary.h"' "from a later layer"
plant src/results/NewResult.cpp '#include "statistics/StatTable.h"' "from a later layer"
plant src/play/NewPlay.cpp '#include "ui/MainWindow.h"' "from a later layer"
plant src/cli/NewCommand.cpp '#include "ui/MainWindow.h"' "never include each other"
plant src/ui/NewPane.cpp '  #  include "cli/CliApp.h"' "never include each other"
plant src/statistics/NewChart.cpp '#include <QPainter>' "not a QtCore header"
plant src/reports/NewReport.cpp '#include <QtWidgets/QLabel>' "not a QtCore header"
plant src/cli/NewTable.cpp '#include <QColor>' "not a QtCore header"
plant src/net/NewFetch.cpp '#include <QWidget>' "neither a QtCore nor a QtNetwork header"
plant src/net/NewFetch.cpp '#include "ui/MainWindow.h"' "from a later layer"
plant src/results/NewSource.cpp '#include <QNetworkReply>' "not a QtCore header"

# A folder the order does not know fails until it is given a place.
rm -rf "$work/tree" && mkdir -p "$work/tree" && cp -r "$repo/src" "$work/tree/"
mkdir -p "$work/tree/src/extra" && echo '#include "core/TextFile.h"' >"$work/tree/src/extra/Extra.h"
if bash "$script" "$work/tree" >"$work/out" 2>&1 || ! grep -qF "src/extra" "$work/out"; then
  echo "a folder outside the layer order is not reported"; fail=1
fi

# What is allowed stays allowed: a later layer including an earlier one, QtCore in the
# domain, widgets in ui.
rm -rf "$work/tree" && mkdir -p "$work/tree" && cp -r "$repo/src" "$work/tree/"
{ echo '#include "core/TextFile.h"'; echo '#include <QtCore/QString>'; echo '#include <QSaveFile>'; } >>"$work/tree/src/play/NewPlay.cpp"
echo '#include <QLabel>' >>"$work/tree/src/ui/NewPane.cpp"
echo '#include "ui/MainWindow.h"' >>"$work/tree/src/app/NewMain.cpp"
bash "$script" "$work/tree" >"$work/out" 2>&1 || { echo "allowed includes refused:"; cat "$work/out"; fail=1; }

[ $fail -eq 0 ] && echo "layer check: all cases behave"
exit $fail
