#pragma once

// The "Калькулятор" command starts the first desktop calculator that is installed.

#include <QString>
#include <QStringList>

namespace kivora {

// Calculators looked for, in order of preference.
QStringList defaultCalculators();

// The full path of the first candidate found as an executable, searched in
// searchPaths or, when that is empty, on PATH. Empty when none is installed, so the
// caller can say so instead of failing silently.
QString findCalculator(
    const QStringList &candidates = defaultCalculators(), const QStringList &searchPaths = {});

} // namespace kivora
