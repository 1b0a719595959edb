#pragma once

// Checking saved combinations against one loaded draw. The window (and kivora-cli)
// run it in steps, since the user is asked in between:
//
//   readSavedCombinations   the file the user picked
//   checkReadiness          refuse another lottery's file, a file without
//                           combinations, or a check with no loaded draw
//   proposedDrawEntry       the text the draw question proposes
//   chooseDraw              the row the user's entry names, or the message to show
//   checkCombinations       hits per combination, the summary and the report text
//   writeCheckReport        "result.tmp" in the program folder
//
// A combination line is any line of numbers separated by blanks, tabs, commas, colons
// or semicolons, so hand-written lists such as "5,11,17" and rows pasted from a
// spreadsheet are checked as well. Every number of a line is compared; a blank line is
// no combination.

#include "core/Failure.h"
#include "core/Progress.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora {

class DrawTable;
class MessageCatalog;
struct LotteryDefinition;

namespace check {

inline constexpr int kMaxListedPerCategory = 500;
inline QString kenoLotteryName()
{
    return QStringLiteral("Кено (20 из 80)");
}
inline QString reportFileName()
{
    return QStringLiteral("result.tmp");
}

// Stake multiplier for a Keno ticket of `played` numbers that guessed `guessed`;
// 0 outside the table (fewer than 2 or more than 10 numbers played).
int kenoPrize(int played, int guessed);

} // namespace check

struct SavedCombinations
{
    QString lotteryName; // line 1
    QString header; // line 2, "Выбрано:  7 номеров - 2 комбинаций"
    QStringList lines; // every further line, exactly as read
};

// Reads a combination file; fails with the reason of the read.
Outcome<SavedCombinations> readSavedCombinations(const QString &path);

enum class CheckRefusal {
    None,
    OtherLottery, // line 1 names another lottery: a warning
    NoCombinations, // nothing but blank lines after the header
    NoDraws, // no draw is loaded
};

struct CheckReadiness
{
    CheckRefusal refusal = CheckRefusal::None;
    QString message; // what to show when refused
    bool ok() const { return refusal == CheckRefusal::None; }
};

// Whether the file can be checked against the loaded draws of the lottery.
CheckReadiness checkReadiness(const SavedCombinations &file, const QString &lotteryName,
    const DrawTable &draws, const MessageCatalog &messages);

// The draw question's proposed text: the newest loaded draw's number (empty with no draws).
QString proposedDrawEntry(const DrawTable &draws);

struct DrawChoice
{
    int row = -1; // the draw to check
    QString message; // set when the entry names no loaded draw
    bool ok() const { return row >= 0; }
};

// The draw an entry names. A number above the newest draw's number checks the newest
// draw; otherwise the first row carrying that number. An entry that is not a whole
// number, is below 1, or that no loaded draw carries gets the wrong-entry message.
DrawChoice chooseDraw(const DrawTable &draws, const QString &entry, const MessageCatalog &messages);

struct CheckResult
{
    int targetRow = -1;
    QString targetNumber; // the draw number as the results view shows it
    // Field count of the longest combination line: the size of the combinations checked
    // (and the Keno prize row).
    int played = 0;
    // Combinations with k hits, for k = 0 .. reportedUpTo; blank lines are not counted.
    // A hit is a drawn number the line holds, counted once however often it is listed.
    std::vector<int> counts;
    // The report lists k = 0 .. reportedUpTo: up to the longest line's size, but never
    // beyond the numbers drawn (no line can hit more).
    int reportedUpTo = 0;
    bool keno = false;
    // Keno only: P(k) = prize for k guessed times counts[k], for k = 0 .. reportedUpTo,
    // the combinations that won something, and the sum of the prizes.
    std::vector<qint64> prizes;
    int wins = 0;
    qint64 total = 0;
    // Things the report had to leave out or cut short, each one a report line too.
    QStringList notes;
    QString report; // the text of "result.tmp"
};

// Scores every combination line of the file against the draw in targetRow and makes
// the report. lottery gives the name and the number range of the sorted draw line.
// A row that is not a loaded draw gives a result with targetRow -1 and no report.
// Each line is read once; progress hears of the lines scored.
CheckResult checkCombinations(const SavedCombinations &file, const DrawTable &draws, int targetRow,
    const LotteryDefinition &lottery, const MessageCatalog &messages, const Progress &progress = {});

// Writes the report (replacing the previous one); fails with the reason of the write.
Done writeCheckReport(const QString &path, const CheckResult &result);

} // namespace kivora
