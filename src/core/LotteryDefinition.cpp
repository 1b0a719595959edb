#include "core/LotteryDefinition.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFields.h"

#include <algorithm>

namespace kivora {

QString LotteryDefinition::systemSection() const
{
    return lotteries::systemSectionName(drawNumber);
}

namespace lotteries {

QString systemSectionName(int drawNumber)
{
    return QStringLiteral("for ") + QString::number(drawNumber) + QStringLiteral(" numbers");
}

QList<LotteryEntry> readList(const IniDocument &ini)
{
    QList<LotteryEntry> list;
    for (const QString &name : ini.keys(kListSection))
        list.append({ name, ini.readBool(kListSection, name, true) });
    return list;
}

QStringList shownNames(const IniDocument &ini)
{
    QStringList names;
    for (const LotteryEntry &entry : readList(ini)) {
        if (entry.shown)
            names.append(entry.name);
    }
    return names;
}

LotteryDefinition readDefinition(const IniDocument &ini, const QString &name)
{
    LotteryDefinition d;
    d.name = name;
    // A value that is there but no number would silently become another lottery.
    auto number = [&](const char *key, int *value) {
        const QString keyName = QLatin1String(key);
        const std::optional<QString> text = ini.value(name, keyName);
        if (!text || text->trimmed().isEmpty())
            return;
        int parsed = 0;
        if (tryTextToInt(*text, &parsed))
            *value = parsed;
        else if (d.unreadableKey.isEmpty()) {
            d.unreadableKey = keyName;
            d.unreadableValue = *text;
        }
    };
    number("MinNumber", &d.minNumber);
    number("MaxNumber", &d.maxNumber);
    number("DrawNumber", &d.drawNumber);
    number("CountOfAddBall", &d.countOfAddBall);
    number("MinnumberOfAddBall", &d.minnumberOfAddBall);
    number("MaxnumberOfAddBall", &d.maxnumberOfAddBall);
    d.baseFile = ini.readString(name, QStringLiteral("BaseFile"), QStringLiteral("default.lot"));
    d.machine = ini.readString(name, QStringLiteral("Machine"), QString());
    d.setOfBall = ini.readString(name, QStringLiteral("SetOfBall"), QString());
    d.www = ini.readString(name, QStringLiteral("www"), QString());
    return d;
}

DefinitionProblem findProblem(const LotteryDefinition &d)
{
    auto refuse = [](const char *key, int value, const QString &limits) {
        return DefinitionProblem { QLatin1String(key), value, limits, QString() };
    };
    // The additional numbers' range matters only to a lottery that has them.
    const bool additionalKey = d.unreadableKey.endsWith(QLatin1String("OfAddBall"), Qt::CaseInsensitive)
        && !d.unreadableKey.startsWith(QLatin1String("Count"), Qt::CaseInsensitive);
    if (!d.unreadableKey.isEmpty() && (!additionalKey || d.countOfAddBall > 0))
        return DefinitionProblem { d.unreadableKey, 0, QString(), d.unreadableValue };
    const QString numberRange = QStringLiteral("0..%1").arg(kLargestNumber);
    if (d.minNumber < 0 || d.minNumber > kLargestNumber)
        return refuse("MinNumber", d.minNumber, numberRange);
    if (d.maxNumber < 0 || d.maxNumber > kLargestNumber)
        return refuse("MaxNumber", d.maxNumber, numberRange);
    if (d.minNumber > d.maxNumber)
        return refuse("MinNumber", d.minNumber, QStringLiteral("<= MaxNumber = %1").arg(d.maxNumber));
    const int range = d.maxNumber - d.minNumber + 1;
    if (d.drawNumber < 1 || d.drawNumber > range)
        return refuse("DrawNumber", d.drawNumber, QStringLiteral("1..%1").arg(range));
    if (d.countOfAddBall < 0 || d.countOfAddBall > kLargestNumber)
        return refuse("CountOfAddBall", d.countOfAddBall, numberRange);
    // The additional numbers have the limits of the main ones; a range cut to fit
    // would count other balls than the player's.
    if (d.countOfAddBall > 0) {
        if (d.minnumberOfAddBall < 0 || d.minnumberOfAddBall > kLargestNumber)
            return refuse("MinnumberOfAddBall", d.minnumberOfAddBall, numberRange);
        if (d.maxnumberOfAddBall < 0 || d.maxnumberOfAddBall > kLargestNumber)
            return refuse("MaxnumberOfAddBall", d.maxnumberOfAddBall, numberRange);
        if (d.minnumberOfAddBall > d.maxnumberOfAddBall)
            return refuse("MinnumberOfAddBall", d.minnumberOfAddBall,
                QStringLiteral("<= MaxnumberOfAddBall = %1").arg(d.maxnumberOfAddBall));
    }
    return {};
}

QString validate(const LotteryDefinition &d, const MessageCatalog &messages)
{
    const DefinitionProblem problem = findProblem(d);
    if (problem.isNone())
        return {};
    const QString reason = problem.limits.isEmpty()
        ? messages("Str446").arg(problem.key, problem.unreadable)
        : messages("Str55").arg(problem.key, QString::number(problem.value), problem.limits);
    return messages("Str54").arg(d.name, reason);
}

QStringList listNames(const QString &value)
{
    return splitFields(value, fieldDelimiters());
}

QStringList machineChoices(const QString &value)
{
    QStringList names = listNames(value);
    if (names.isEmpty())
        return { QStringLiteral("-") };
    std::stable_sort(names.begin(), names.end(),
        [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QStringList ballSetChoices(const QString &value)
{
    QStringList names = listNames(value);
    if (names.isEmpty())
        return { QStringLiteral("-") };
    return names;
}

} // namespace lotteries
} // namespace kivora
