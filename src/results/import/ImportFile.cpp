#include "results/import/ImportFile.h"

#include "core/MessageCatalog.h"

#include <functional>

namespace kivora {

namespace {

// The draws of the source that read gives (called once the since date is known good).
ImportFileRead readImportFrom(const std::function<ImportSource()> &read, const LotteryDefinition &definition,
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
    const ImportSource source = read();
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

} // namespace

ImportFileRead readImportFile(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const MessageCatalog &messages)
{
    return readImportFrom(
        [&] { return readImportSource(path, messages, settings.encoding); }, definition, settings, messages);
}

ImportFileRead readImportFileBytes(const QByteArray &bytes, const QString &path,
    const LotteryDefinition &definition, const ImportSettings &settings, const MessageCatalog &messages)
{
    return readImportFrom([&] { return importSourceFromBytes(bytes, path, messages, settings.encoding); },
        definition, settings, messages);
}

} // namespace kivora
