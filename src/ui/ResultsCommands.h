#pragma once

// The window's commands that write a lottery's own files: adding a draw, importing a
// results file (with its preview), editing the base by hand, and the money ledger kept
// beside the base. Each refuses, after saying why, when the base must not be written.

#include "core/Failure.h"
#include "core/LotteryDefinition.h"
#include "results/import/ImportDetect.h"
#include "ui/WindowParts.h"

#include <QObject>

#include <memory>

namespace kivora {

struct ImportResult;
struct LoadResult;
struct PlannedImport;

class ResultsCommands final : public QObject
{
    Q_OBJECT
public:
    ResultsCommands(WindowParts parts, QObject *parent);

    void addResults();
    void importResultsFile();
    void editResultsBase();
    void showLedger();

private:
    // An import the user confirmed, as its job writes it.
    struct ImportJob
    {
        QString basePath;
        QString lottery;
        std::shared_ptr<const PlannedImport> planned;
        LotteryDefinition definition;
        bool recordsFirst = false;
        bool saveProfile = false;
        ImportSettings profile;
    };
    // Runs the import now, or once the job that runs now has ended.
    void startWhenIdle(ImportJob job);
    void runImport(ImportJob job);
    // After an import that ended unshown: the window loads the base as it is on disk.
    void showBaseAfterStop(const QString &lottery);
    // False, after saying why, when the current lottery's files must not be written:
    // no lottery, or its base could not be loaded.
    bool baseIsWritable();
    // Says in the status line what the import added or replaced, and what it skipped.
    void tellImported(const ImportResult &result, const PlannedImport &planned, const Done &profileSaved);
    const LoadResult &load() const;
    QString currentLottery() const { return m_parts.currentLottery(); }
    void showError(const QString &text);

    WindowParts m_parts;
};

} // namespace kivora
