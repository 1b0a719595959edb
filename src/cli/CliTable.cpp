#include "cli/CliTable.h"

#include "cli/CliArguments.h"
#include "core/MessageCatalog.h"

namespace kivora::cli {

Outcome<TableOptions> tableOptions(const CliArguments &args, const MessageCatalog &messages)
{
    TableOptions options;
    // The last wrong value found is the one told.
    QString mistake;
    if (args.has(QStringLiteral("format"))) {
        const QString format = args.value(QStringLiteral("format")).toLower();
        if (format == QLatin1String("csv"))
            options.format = TableOptions::Format::Csv;
        else if (format == QLatin1String("json"))
            options.format = TableOptions::Format::Json;
        else if (format != QLatin1String("tsv"))
            mistake = messages("Str307").arg(QStringLiteral("--format"), args.value(QStringLiteral("format")),
                messages("Str318").arg(QStringLiteral("json, tsv, csv")));
    }
    if (args.has(QStringLiteral("json")) && options.format == TableOptions::Format::Csv)
        mistake = messages("Str307").arg(QStringLiteral("--format"), args.value(QStringLiteral("format")),
            messages("Str318").arg(QStringLiteral("json, tsv, csv")));
    if (args.has(QStringLiteral("json")))
        options.format = TableOptions::Format::Json;
    if (args.has(QStringLiteral("limit"))) {
        bool ok = false;
        options.limit = args.value(QStringLiteral("limit")).trimmed().toInt(&ok);
        if (!ok || options.limit < 0)
            mistake = messages("Str307").arg(
                QStringLiteral("--limit"), args.value(QStringLiteral("limit")), messages("Str310"));
    }
    if (args.has(QStringLiteral("sort"))) {
        options.sortColumn = args.value(QStringLiteral("sort")).trimmed();
        if (options.sortColumn.startsWith(QLatin1Char('-'))) {
            options.descending = true;
            options.sortColumn.remove(0, 1);
        }
        if (options.sortColumn.isEmpty())
            mistake = messages("Str302").arg(QStringLiteral("--sort"));
    }
    if (!mistake.isEmpty())
        return Failure::usage(mistake);
    return options;
}

} // namespace kivora::cli
