#pragma once

// Bringing a lottery's base up to date in one step: its results file downloaded to a
// temporary file, read with the lottery's import profile and merged into the base
// through the same planning and writing as a merging import. Anything short of a clean
// merge (a failed download, a file with no draws of this lottery, a conflict with the
// base) writes nothing.

#include "core/Failure.h"
#include "core/LotteryDefinition.h"
#include "net/ResultsDownload.h"
#include "results/import/ImportDetect.h"
#include "results/import/ImportPlan.h"

#include <QString>

namespace kivora {

class MessageCatalog;

struct ResultsUpdateRequest
{
    QString url;
    QString basePath;
    LotteryDefinition definition;
    ImportSettings settings; // the lottery's profile, since from its matrix
    bool dryRun = false; // plan only
    DownloadLimits limits;
};

struct ResultsUpdate
{
    QString url;
    qint64 bytes = 0; // downloaded
    PlannedImport planned; // the file read and the merge planned against the base
    QString backupPath; // when the write rewrote the base
    bool written = false;
};

// Downloads, plans and (unless dryRun) writes. progress may stop the download; once the
// file is in, the rest runs to its end.
Outcome<ResultsUpdate> updateResults(const ResultsUpdateRequest &request, const MessageCatalog &messages,
    const DownloadProgress &progress = {});

} // namespace kivora
