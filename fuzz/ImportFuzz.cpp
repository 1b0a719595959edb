// A results file imported into a base: the import either refuses it and leaves the
// base as it was, or writes exactly the records it counts, each a draw of the lottery.

#include "FuzzSupport.h"

#include "core/MessageCatalog.h"
#include "results/ImportResults.h"
#include "results/ResultsLoad.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    if (size < 1)
        return 0;
    static QTemporaryDir dir;
    static const MessageCatalog messages;
    const LotteryDefinition definition = fuzz::lotteryOf(data[0]);
    const QString source = dir.filePath(QStringLiteral("source.txt"));
    const QString base = dir.filePath(QStringLiteral("base.lot"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data + 1), static_cast<qint64>(size - 1));
    }
    const QByteArray oldBase("1,01.01.2020,1,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n");
    {
        QFile file(base);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(oldBase);
    }
    const ImportResult result = importResults(base, source, definition, messages);
    QFile file(base);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray written = file.readAll();
    if (!result.ok) {
        fuzz::require(written == oldBase);
        return 0;
    }
    fuzz::require(result.records > 0);
    const LoadResult load = loadDraws(textfile::decode(written), definition, DrawFilter());
    fuzz::require(load.drawCount() == result.records);
    fuzz::require(load.outOfRangeLines == 0);
    importSummaryText(result, messages);
    importSkippedText(result, messages);
    return 0;
}
