#include "play/SavedCheck.h"

#include "core/TextFile.h"

#include <QFile>

namespace kivora {

Outcome<SavedCombinations> readFileToCheck(
    const QString &path, const QString &lotteryName, const DrawTable &draws, const MessageCatalog &messages)
{
    Outcome<SavedCombinations> read = readSavedCombinations(path);
    if (!read)
        return read;
    SavedCombinations &file = *read;
    const CheckReadiness readiness = checkReadiness(file, lotteryName, draws, messages);
    if (!readiness.ok())
        return Failure::refused(readiness.message);
    return file;
}

Outcome<CheckResult> checkAndReport(const SavedCombinations &file, const DrawTable &draws, int targetRow,
    const LotteryDefinition &lottery, const QString &reportPath, const MessageCatalog &messages,
    const Progress &progress)
{
    CheckResult result = checkCombinations(file, draws, targetRow, lottery, messages, progress);
    if (Done written = writeCheckReport(reportPath, result); !written) {
        (void)discardCheckReport(reportPath);
        return written.failure();
    }
    return result;
}

Done discardCheckReport(const QString &reportPath)
{
    QFile report(reportPath);
    if (!report.exists() || report.remove())
        return {};
    // A report that cannot be removed (a read-only folder) may still be emptied.
    if (report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    return Failure::io(textfile::describeError(reportPath, textfile::deviceReason(report)));
}

} // namespace kivora
