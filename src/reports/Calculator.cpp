#include "reports/Calculator.h"

#include <QStandardPaths>

namespace kivora {

QStringList defaultCalculators()
{
    return { QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc") };
}

QString findCalculator(const QStringList &candidates, const QStringList &searchPaths)
{
    for (const QString &name : candidates) {
        if (name.isEmpty())
            continue;
        const QString path = QStandardPaths::findExecutable(name, searchPaths);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace kivora
