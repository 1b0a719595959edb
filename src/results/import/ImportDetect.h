#pragma once

// Finding how a file to import is laid out, from its first rows: the kind (delimited,
// fixed columns, JSON, the program's own records), the delimiter, the header and a
// preamble before it, which columns hold the draw number, the date and the numbers,
// and the order of the dates. What the user set overrides what is found.

#include "core/LotteryDefinition.h"
#include "results/import/ImportFormat.h"
#include "results/import/ImportRows.h"
#include "results/import/ImportSource.h"

#include <QString>

#include <vector>

namespace kivora {

class MessageCatalog;

// What the user set for a file (or the lottery's import profile holds); empty values
// leave the choice to detection.
struct ImportSettings
{
    QString encoding; // applied when the source is read
    QString delimiter; // ",", ";", "tab", "|", "spaces"
    int header = -1; // -1 detect, 0 no header, 1 the first row of data is a header
    QString columns; // a column list (parseColumnMap)
    QString dateFormat; // dateOrderFromFormat
    QString since; // readSinceDate

    bool isEmpty() const
    {
        return encoding.isEmpty() && delimiter.isEmpty() && header < 0 && columns.isEmpty()
            && dateFormat.isEmpty() && since.isEmpty();
    }
};

// Why a file cannot be imported as it stands.
enum class ImportRefusal {
    None,
    Source, // empty, binary, unreadable (ImportSource's message)
    NotResults, // no row holds numbers that fit the lottery
    BadSettings, // a column list or a date format the importer cannot use
    AmbiguousDates, // 03/04 is never settled: a date format is needed
    Base, // the base may not be written, or writing failed
};

struct DetectResult
{
    ImportRefusal refusal = ImportRefusal::None;
    QString message;
    ImportFormat format;
    std::vector<ImportRow> sample; // the first rows as cut, for a preview

    bool ok() const { return refusal == ImportRefusal::None; }
};

// How many rows detection looks at (and a preview shows at most).
inline constexpr int kDetectionRows = 400;

DetectResult detectImportFormat(const ImportSource &source, const LotteryDefinition &definition,
    const ImportSettings &settings, const MessageCatalog &messages);

} // namespace kivora
