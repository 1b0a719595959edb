#pragma once

// A lottery is a section of the configuration file; section LotoType lists the
// lotteries in tab order with their shown flags.

#include "core/IniDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kivora {

class MessageCatalog;

inline constexpr int kLargestNumber = 100; // per-number tables hold 0..100

struct LotteryEntry
{
    QString name;
    bool shown = true;
};

struct LotteryDefinition
{
    QString name;
    int minNumber = 1;
    int maxNumber = 80;
    int drawNumber = 6;
    int countOfAddBall = 0;
    int minnumberOfAddBall = 0;
    int maxnumberOfAddBall = 9;
    QString baseFile = QStringLiteral("default.lot");
    QString machine;
    QString setOfBall;
    QString www;
    // The first numeric key whose value is no whole number ("MaxNumber=45abc"): the
    // default stands in for it, and validate refuses the definition. Empty when none.
    QString unreadableKey;
    QString unreadableValue;

    // "for 6 numbers": the configuration section listing the systems of this draw size.
    QString systemSection() const;
    bool hasAdditionalNumbers() const { return countOfAddBall >= 1; }
    int additionalCount() const { return countOfAddBall > 0 ? countOfAddBall : 0; }
};

namespace lotteries {

inline const QString kListSection = QStringLiteral("LotoType");

QList<LotteryEntry> readList(const IniDocument &ini);
QStringList shownNames(const IniDocument &ini);
// The definition with the defaults of the main load for every missing, empty or bad
// value; the first value that is no whole number is named in unreadableKey.
LotteryDefinition readDefinition(const IniDocument &ini, const QString &name);
// The first value of a definition outside the limits every table of the program
// relies on: its key, the value and the limits as text; an empty key when none is.
struct DefinitionProblem
{
    QString key;
    int value = 0;
    QString limits;
    QString unreadable; // the value as written when it is no whole number (limits empty)
    bool isNone() const { return key.isEmpty(); }
};
DefinitionProblem findProblem(const LotteryDefinition &definition);
// Empty when the definition lies inside the limits; otherwise a message naming the
// lottery and the offending key.
QString validate(const LotteryDefinition &definition, const MessageCatalog &messages);

QString systemSectionName(int drawNumber);
// The names of a Machine or SetOfBall list value.
QStringList listNames(const QString &value);
// Entries of the machine choice list: the names in alphabetical order, or "-".
QStringList machineChoices(const QString &value);
// Entries of the ball-set choice list: the names in the key's order, or "-".
QStringList ballSetChoices(const QString &value);

} // namespace lotteries
} // namespace kivora
