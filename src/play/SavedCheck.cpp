#include "play/SavedCheck.h"

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
    if (Done written = writeCheckReport(reportPath, result); !written)
        return written.failure();
    return result;
}

} // namespace kivora
