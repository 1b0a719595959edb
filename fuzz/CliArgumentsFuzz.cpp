// The command line as kivora-cli reads it: the words and options of any argument list,
// the table options, the usage checks every command makes first and the rendering of
// rows as asked. No command runs: nothing is read from or written to a program folder.

#include "FuzzSupport.h"

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CliHelp.h"
#include "cli/CliRender.h"
#include "cli/CliTable.h"
#include "cli/JsonWriter.h"
#include "core/LanguageTexts.h"
#include "core/ProgramFolder.h"

#include <QDir>

namespace {

// The arguments: one a line of the input (a line end cannot be typed into one).
QStringList argumentsOf(const QString &text)
{
    return text.split(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    using namespace kivora::cli;
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList arguments = argumentsOf(text);

    CliArguments args;
    QString optionWithoutValue;
    if (!args.parse(arguments, &optionWithoutValue)) {
        // The option is named as written on the command line.
        fuzz::require(optionWithoutValue.startsWith(QLatin1Char('-')));
        return 0;
    }
    // A word is never an option: "-" alone, or anything not starting with a dash.
    for (const QString &word : args.words())
        fuzz::require(word == QLatin1String("-") || !word.startsWith(QLatin1Char('-')));
    fuzz::require(args.words().size() <= arguments.size());
    fuzz::require(args.unknown({}).size() + args.words().size() <= arguments.size());

    // Help and usage texts for whatever word came first.
    const QString command = args.word(0);
    if (isCommand(command))
        fuzz::require(!commandUsage(command).isEmpty());

    // A folder that does not exist: the built-in texts, nothing read or written.
    static const ProgramFolder folder(QDir::tempPath() + QStringLiteral("/kivora-fuzz-no-such-folder"));
    static const LanguageTexts texts(folder);
    const MessageCatalog &messages = texts.messages();
    const CommandContext ctx { folder, args, messages, texts };
    ctx.json();
    checkUsage(ctx, selectionOptions(), 3, { option::kLottery });
    DrawFilter filter;
    drawFilter(ctx, true, &filter);

    const Outcome<TableOptions> chosen = tableOptions(args, messages);
    if (!chosen)
        return 0;
    const TableOptions &table = *chosen;
    // Rows as a table and in a JSON object, sorted, cut and written as asked.
    static const CommandOutput output = [] {
        CommandOutput rows;
        rows.notes.append(QStringLiteral("list; draws 3"));
        rows.table.columns
            = QStringList { QStringLiteral("caption"), QStringLiteral("since"), QStringLiteral("drawn") };
        rows.table.add({ QStringLiteral("01"), qint64(0), qint64(3) });
        rows.table.add({ QStringLiteral("02"), qint64(2), qint64(1) });
        rows.table.add({ QStringLiteral("10"), qint64(1), qint64(2) });
        JsonWriter json;
        json.beginObject().key(QStringLiteral("title")).value(QStringLiteral("t"));
        json.key(QStringLiteral("rows")).rowsSlot();
        json.key(QStringLiteral("record")).value(QStringLiteral("2")).endObject();
        rows.setJson(json);
        return rows;
    }();
    const Rendered rendered = render(output, table, command, messages);
    fuzz::require(rendered.usageError.isEmpty() || rendered.text.isEmpty());
    if (rendered.usageError.isEmpty() && table.format == TableOptions::Format::Json)
        fuzz::require(rendered.text.startsWith(QLatin1String("{\"title\": \"t\", \"rows\": [")));
    return 0;
}
