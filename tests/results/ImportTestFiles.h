#pragma once

// The operators' files under tests/data/import and the lotteries they belong to.

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "results/import/ImportFile.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace kivora::test {

inline QString importFile(const char *name)
{
    return QDir(QStringLiteral(KIVORA_TEST_DATA "/import")).filePath(QString::fromUtf8(name));
}

inline LotteryDefinition lottery(
    const char *name, int maxNumber, int drawNumber, int additional = 0, int addMin = 0, int addMax = 9)
{
    LotteryDefinition d;
    d.name = QString::fromUtf8(name);
    d.minNumber = 1;
    d.maxNumber = maxNumber;
    d.drawNumber = drawNumber;
    d.countOfAddBall = additional;
    d.minnumberOfAddBall = addMin;
    d.maxnumberOfAddBall = addMax;
    return d;
}

inline LotteryDefinition megaMillions()
{
    return lottery("Mega Millions", 70, 5, 1, 1, 25);
}
inline LotteryDefinition cash4Life()
{
    return lottery("Cash4Life", 60, 5, 1, 1, 4);
}
inline LotteryDefinition take5()
{
    return lottery("Take 5", 39, 5);
}
inline LotteryDefinition euroMillions()
{
    return lottery("EuroMillions", 50, 5, 2, 1, 12);
}
inline LotteryDefinition lotto6aus49()
{
    return lottery("6 aus 49", 49, 6, 1, 0, 9);
}
inline LotteryDefinition fourOf20()
{
    return lottery("4 из 20", 20, 4, 4, 1, 20);
}
inline LotteryDefinition powerball()
{
    return lottery("Powerball", 69, 5, 1, 1, 26);
}
inline LotteryDefinition fantasy5()
{
    return lottery("Fantasy 5", 39, 5);
}

// Each draw as "yyyy-MM-dd number main|additional", oldest first.
inline QStringList drawTexts(const ImportedDraws &draws)
{
    QStringList out;
    for (const ImportedDraw &draw : draws.draws) {
        QString text = draw.date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
            + QString::number(draw.number) + QLatin1Char(' ') + draws.mainText(draw);
        if (draws.additionalCount > 0)
            text += QLatin1Char('|') + draws.additionalText(draw);
        out.append(text);
    }
    return out;
}

inline ImportFileRead readFile(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings = {}, const MessageCatalog &messages = MessageCatalog())
{
    return readImportFile(path, definition, settings, messages);
}

} // namespace kivora::test
