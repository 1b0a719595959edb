#pragma once

// One file to import, from its path to its draws: read and decode it, find its
// layout (or take the user's settings), read its draws. The window's preview and the
// command line both start here and then plan a merge or a replace.

#include "core/LotteryDefinition.h"
#include "results/import/ImportDetect.h"
#include "results/import/ImportRead.h"
#include "results/import/ImportSource.h"

#include <QString>

namespace kivora {

class MessageCatalog;

struct ImportFileRead
{
    ImportRefusal refusal = ImportRefusal::None;
    QString message; // names the file and the reason when refused
    ImportFormat format;
    std::vector<ImportRow> sample; // the first rows as cut
    ImportRead read;

    bool ok() const { return refusal == ImportRefusal::None; }
};

ImportFileRead readImportFile(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const MessageCatalog &messages);
// The same for the file's bytes read already (path names it in messages).
ImportFileRead readImportFileBytes(const QByteArray &bytes, const QString &path,
    const LotteryDefinition &definition, const ImportSettings &settings, const MessageCatalog &messages);

} // namespace kivora
