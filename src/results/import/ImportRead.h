#pragma once

// Reading the draws of a file to import once its format is known: every row either
// gives its draws (one, or two for a row with a midday and an evening draw; an empty
// group is no draw) or is skipped for the reason the add dialog would refuse it,
// counted and the first few listed. The draws come out oldest first by date, then by
// draw number.

#include "core/LotteryDefinition.h"
#include "results/ImportResults.h"
#include "results/import/ImportDetect.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kivora {

struct ImportedDraw
{
    QDate date; // invalid for a record of the program's own that says "-"
    int number = -1; // the draw number of the source, -1 when it has none
    int line = 0; // the source row, from 1
    quint32 at = 0; // where its numbers start in ImportedDraws::numbers
    int extra = -1; // index of its "machine,ball set" in extras; -1 for "-,-"
};

struct ImportedDraws
{
    int mainCount = 0;
    int additionalCount = 0;
    std::vector<ImportedDraw> draws;
    std::vector<quint8> numbers; // per draw: the main numbers in drawing order, then the additional
    QStringList extras;

    int size() const { return static_cast<int>(draws.size()); }
    const quint8 *numbersOf(const ImportedDraw &draw) const { return numbers.data() + draw.at; }
    // "5,12,23,34,45" and "7": the groups as the base writes them.
    QString mainText(const ImportedDraw &draw) const;
    QString additionalText(const ImportedDraw &draw) const;
};

struct ImportRead
{
    ImportRefusal refusal = ImportRefusal::None;
    QString message;
    ImportedDraws draws; // oldest first
    int rows = 0; // rows of the source looked at
    int skipped = 0;
    std::array<int, kImportSkipKinds> skippedBy {};
    QList<SkippedLine> firstSkipped; // the first kListedSkippedLines
    int beforeSince = 0; // draws left out as older than since
    DateOrder dateOrder = DateOrder::Unknown;
    RowOrder order = RowOrder::Unknown;

    bool ok() const { return refusal == ImportRefusal::None; }
    int skippedFor(ImportSkip reason) const { return skippedBy[static_cast<size_t>(reason)]; }
};

// The draws of the source as the format maps its fields. since, when valid, keeps only
// draws on or after it. Refused (with a message naming the file) when the date order
// is never settled and the format does not give it, or when no draw is left.
ImportRead readImportRows(const ImportSource &source, const ImportFormat &format,
    const LotteryDefinition &definition, const QDate &since, const MessageCatalog &messages);

} // namespace kivora
