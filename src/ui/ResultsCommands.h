#pragma once

// The window's commands that write a lottery's own files: adding a draw, importing a
// results file (with its preview), editing the base by hand, and the money ledger kept
// beside the base. Each refuses, after saying why, when the base must not be written.

#include "core/Failure.h"
#include "ui/WindowParts.h"

#include <QObject>

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
