#include "results/import/ImportFile.h"

#include "core/MessageCatalog.h"

namespace kivora {

ImportFileRead readImportFile(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const MessageCatalog &messages)
{
    ImportFileRead result;
    QDate since;
    if (!settings.since.isEmpty()) {
        since = readSinceDate(settings.since);
        if (!since.isValid()) {
            result.refusal = ImportRefusal::BadSettings;
            result.message = messages("Str525").arg(settings.since);
            return result;
        }
    }
    const ImportSource source = readImportSource(path, messages, settings.encoding);
    DetectResult detected = detectImportFormat(source, definition, settings, messages);
    result.format = detected.format;
    result.sample = std::move(detected.sample);
    if (!detected.ok()) {
        result.refusal = detected.refusal;
        result.message = detected.message;
        return result;
    }
    result.read = readImportRows(source, result.format, definition, since, messages);
    result.refusal = result.read.refusal;
    result.message = result.read.message;
    if (result.read.dateOrder != DateOrder::Unknown)
        result.format.dateOrder = result.read.dateOrder;
    if (result.read.ok()) {
        result.format.order = result.read.order;
        // The whole file settled what the first rows could not.
        result.format.doubts &= ~static_cast<unsigned>(DoubtDates);
    }
    return result;
}

} // namespace kivora
