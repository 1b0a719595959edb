#include "play/SavedCheck.h"

namespace kivora {

Outcome<SavedCombinations> readFileToCheck(
    const QString &path, const QString &lotteryName, const DrawTable &draws, const MessageCatalog &messages)
{
    SavedCombinations file;
    QString error;
    if (!readSavedCombinations(path, &file, &error))
        return Failure::io(error);
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
    QString error;
    if (!writeCheckReport(reportPath, result, &error))
        return Failure::io(error);
    return result;
}

} // namespace kivora
