#pragma once

// Checking a saved combination file against a draw, in the two parts the player's
// question about the draw separates: first the file, read and found fit to check, then
// the check itself with its report written to the program folder.

#include "core/Failure.h"
#include "play/CombinationCheck.h"

namespace kivora {

// Reads the file and makes sure it can be checked against the loaded draws of the
// lottery: an unreadable file is an Io failure, another lottery's file, a file without
// combinations or no loaded draw a refusal.
Outcome<SavedCombinations> readFileToCheck(
    const QString &path, const QString &lotteryName, const DrawTable &draws, const MessageCatalog &messages);

// Checks the file against the draw in targetRow and writes the report to reportPath.
// A report that cannot be written takes the earlier one with it.
Outcome<CheckResult> checkAndReport(const SavedCombinations &file, const DrawTable &draws, int targetRow,
    const LotteryDefinition &lottery, const QString &reportPath, const MessageCatalog &messages,
    const Progress &progress = {});

// Removes the report of an earlier check (emptying it when it cannot be removed): a
// check that was refused or failed leaves no report that would pass for its own.
// Fails only when the old report stays as it was.
Done discardCheckReport(const QString &reportPath);

} // namespace kivora
