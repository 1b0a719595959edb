#pragma once

// Loading a lottery: its definition from the configuration file, then its results
// base through the three filters into a DrawTable, with the per-number counters.
//
// A record is one line; fields are separated by runs of space, comma or semicolon:
//   125,01.02.2005,2,5,03,15,22,31,40,44,7
//   number, date, machine, ball set, DrawNumber main numbers, CountOfAddBall additional
// Further fields are ignored; a missing field reads as empty, a missing or non-numeric
// main number as 0. A blank line is a draw whose main numbers are all 0.

#include "core/LotteryDefinition.h"
#include "core/Progress.h"
#include "results/DrawTable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kivora {

class MessageCatalog;
class ProgramFolder;

// The filter bar: each filter applies only when its box is ticked.
struct DrawFilter
{
    bool lastDraws = false;
    QString lastDrawsText; // "Последние": keep the last N lines of the file (N = text-to-integer)
    bool machine = false;
    QString machineText; // exact, case-sensitive match with the third field
    bool ballSet = false;
    QString ballSetText; // exact, case-sensitive match with the fourth field
};

// The most lines a base may have: a base of ten million draws still loads in a few
// seconds and a gigabyte; a larger one (a file of line feeds) is refused at once.
inline constexpr int kLargestDrawCount = 10'000'000;

struct LoadResult
{
    bool ok = false;
    QString error; // the message to show when !ok
    bool definitionRefused = false; // !ok because of the definition, not the base file
    LotteryDefinition definition;
    DrawTable draws; // the accepted draws in file order
    NumberCounts counts; // filled for MinNumber..MaxNumber
    int totalLines = 0; // every line of the base, before any filter
    // Accepted lines with a main number outside MinNumber..MaxNumber (an empty or
    // non-numeric one reads as 0). Such numbers are shown as read but not counted.
    int outOfRangeLines = 0;
    bool tooManyLines = false; // !ok: more than kLargestDrawCount lines
    QStringList systems; // keys of the lottery's system-list section, in file order
    QString basePath;

    int drawCount() const { return draws.rowCount(); }
};

// Loads the named lottery of the configuration file in the program folder. A lottery
// without a section of its own gets the default definition. Returns ok = false with the
// message when the definition is outside the limits of the program (nothing is loaded)
// or when the base cannot be read (a folder, a device, a file of more than
// kLargestDrawCount lines or of no text). A missing base loads empty and is not created.
// Progress: while the base is read, now and then (0, 1000, thousandths of the text
// read), ending with (0, 1000, 1000); then (0, MaxNumber, n) for every number n.
LoadResult loadLottery(const ProgramFolder &folder, const QString &lotteryName, const DrawFilter &filter,
    const MessageCatalog &messages, const Progress &progress = {});

// The same for a definition at hand and the base at basePath (systems stay empty).
LoadResult loadBase(const QString &basePath, const LotteryDefinition &definition, const DrawFilter &filter,
    const MessageCatalog &messages, const Progress &progress = {});

// The draws of a base already read into memory; totalLines and the counters are set,
// ok is true unless the text has more than kLargestDrawCount lines (tooManyLines). The definition must lie
// inside the limits (lotteries::validate).
LoadResult loadDraws(QStringView text, const LotteryDefinition &definition, const DrawFilter &filter,
    const Progress &progress = {});

// The lines of a base as the load counts them: LF, CR LF and CR each end a line, and a
// line end after the last line starts no further line.
int countBaseLines(QStringView text);

// The status bar text after a load: "Проанализировано 125 розыгрышей", followed by
// "; строк с номерами вне диапазона: 3" when some accepted lines held such numbers.
QString loadStatusText(const LoadResult &result, const MessageCatalog &messages);

} // namespace kivora
