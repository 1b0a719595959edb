#pragma once

// Import: replaces a results base with the records of another text file, each written
// in the base's own form, "number,date,machine,ball set,main numbers,additional". The
// replaced base is kept beside it as "<base>.bak" (the last one replaced).

#include "core/LotteryDefinition.h"
#include "core/TextFile.h"
#include "results/AddDraw.h"
#include "results/ResultsLoad.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace kivora {

class MessageCatalog;

// Why a line of the source is not imported: the faults that make the add dialog
// refuse a typed draw.
using ImportSkip = DrawFault;
inline constexpr int kImportSkipKinds = kDrawFaultKinds;
// Every reason, in the order summaries list them.
inline constexpr ImportSkip kImportSkipReasons[] = { ImportSkip::NotNumbers, ImportSkip::WrongCount,
    ImportSkip::OutOfRange, ImportSkip::Repeated, ImportSkip::NotADate, ImportSkip::ControlCharacter };

struct SkippedLine
{
    int line = 0; // from 1, as an editor counts
    ImportSkip reason = ImportSkip::NotNumbers;
    QString text;
};

// How many skipped lines a result keeps to show.
inline constexpr int kListedSkippedLines = 5;

struct ImportResult
{
    bool ok = false;
    QString error; // the message to show when !ok; the base is then unchanged
    int records = 0; // draws read and written
    int skipped = 0; // lines that are no draw of the lottery (blank lines not counted)
    std::array<int, kImportSkipKinds> skippedBy {};
    QList<SkippedLine> firstSkipped; // the first kListedSkippedLines of them
    QString backupPath; // where the replaced base was kept; empty when it was missing or empty

    int skippedFor(ImportSkip reason) const { return skippedBy[static_cast<size_t>(reason)]; }
};

// The records of sourcePath: the first DrawNumber + CountOfAddBall + 4 fields of each
// line joined with ",". The first line must hold that many fields (a short header or a
// file of another format is refused). A later line is skipped, counted and never
// written when recordFault finds a fault in it (the rules of a typed draw: numbers,
// their count, range and repetition, the date, control characters); blank lines and
// lines of delimiters only are dropped. A file without a single draw is refused, and
// so is a base that baseWriteRefusal refuses or one that would have more than
// lineLimit lines. The source is read whole before the base is touched; the base is
// copied to "<base>.bak" and then replaced through a temporary file, so importing the
// base onto itself normalises it in place, and importing the backup brings the
// previous base back.
ImportResult importResults(const QString &basePath, const QString &sourcePath,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit = kLargestDrawCount);

// The same for the source's bytes read already (sourcePath names it in messages).
ImportResult importResultsFromBytes(const QString &basePath, const QString &sourcePath,
    const QByteArray &bytes, const LotteryDefinition &definition, const MessageCatalog &messages,
    int lineLimit = kLargestDrawCount);

// The record of one source line: its first fieldLimit fields joined with ",".
QString importRecord(const QString &line, int fieldLimit);

// "<base>.bak", the copy of the base the last import replaced.
QString importBackupPath(const QString &basePath);

// Copies the base to importBackupPath() through a temporary file and gives the copy's
// path. A missing or empty base has nothing worth keeping, and must not replace a
// backup that holds draws (the path is then empty).
Outcome<QString> keepBackup(const QString &basePath);
// Takes the base's lock, keeps its backup (named in *backupPath) and writes lines as
// the new base: what an import that replaces or rewrites the base does last.
Done lockBackupAndWrite(
    textfile::FileLock &lock, const QString &basePath, const QStringList &lines, QString *backupPath);

// The question before an import: the base of baseDraws draws will be replaced and where
// its copy goes, followed by the question to read the help first ("Str69").
QString importReplaceQuestion(int baseDraws, const QString &basePath, const MessageCatalog &messages);

// The status line after an import: "Прочитано розыгрышей: 1738." and, when lines were
// skipped, how many and why.
QString importSummaryText(const ImportResult &result, const MessageCatalog &messages);
// The first skipped lines, one a line ("\n" between them) after a title; empty when
// nothing was skipped.
QString importSkippedText(const ImportResult &result, const MessageCatalog &messages);

} // namespace kivora
