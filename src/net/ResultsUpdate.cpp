#include "net/ResultsUpdate.h"

#include "core/MessageCatalog.h"
#include "results/ResultsLoad.h"
#include "results/import/ColumnMap.h"
#include "results/import/ImportFormat.h"
#include "results/import/ImportReport.h"

#include <QDir>
#include <QTemporaryFile>

namespace kivora {

Outcome<ResultsUpdate> updateResults(
    const ResultsUpdateRequest &request, const MessageCatalog &messages, const DownloadProgress &progress)
{
    ResultsUpdate update;
    update.url = request.url;
    QTemporaryFile download(QDir::tempPath() + QStringLiteral("/kivora-download-XXXXXX"));
    if (!download.open())
        return Failure::io(messages("Str747").arg(request.url, download.errorString()));
    Outcome<qint64> fetched = downloadToFile(request.url, download, request.limits, messages, progress);
    if (!fetched)
        return fetched.failure();
    update.bytes = *fetched;
    if (!download.seek(0))
        return Failure::io(messages("Str747").arg(request.url, download.errorString()));
    QByteArray bytes = download.readAll();
    download.close();

    // The whole base, unfiltered: a merge compares against every draw it holds.
    const LoadResult base = loadBase(request.basePath, request.definition, DrawFilter(), messages);
    if (!base.ok)
        return Failure::io(base.error);
    const ImportTarget target { base.draws, base.drawCount(), true };
    update.planned = planImportBytes(
        std::move(bytes), request.url, request.definition, request.settings, target, messages);
    const PlannedImport &planned = update.planned;
    const QString lottery = request.definition.name;
    if (!planned.ok())
        return Failure::format(
            messages("Str750").arg(request.url, lottery) + QLatin1Char(' ') + planned.file.message);
    // Columns told from their values alone may be the wrong ones: a merge is not undone.
    const ImportFormat &format = planned.file.format;
    if ((format.doubts & DoubtColumns) && request.settings.columns.isEmpty())
        return Failure::refused(
            messages("Str758").arg(request.url, columnMapText(format.columns, format.headerNames)));
    if (planned.file.read.draws.size() == 0)
        return Failure::format(messages("Str750").arg(request.url, lottery));
    if (planned.plan.conflicts > 0) {
        return Failure::refused(messages("Str751")
                                    .arg(request.url)
                                    .arg(planned.plan.conflicts)
                                    .arg(mergeConflictsText(planned.plan, messages)));
    }
    if (request.dryRun || planned.plan.fresh == 0)
        return update;
    // The last moment to stop with nothing written.
    if (progress && !progress(update.bytes, update.bytes))
        return Failure::cancelled();
    const ImportWrite written = writePlannedImport(request.basePath, planned, request.definition, messages);
    if (!written.ok)
        return Failure::io(written.message);
    update.written = true;
    update.backupPath = written.backupPath;
    return update;
}

} // namespace kivora
