#include "play/Systems.h"

#include "core/CharSet.h"
#include "core/IniDocument.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/ProgramFolder.h"
#include "core/StringFn.h"
#include "core/TextFields.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kivora {

namespace systems {

namespace {

QString pathInSystemFolder(const ProgramFolder &folder, const QString &fileName)
{
    // The value is in the configuration's own form and may name a sub-folder
    // ("old\full6of7.ltt").
    return folder.filePath(QStringLiteral("System\\") + fileName);
}

} // namespace

QStringList names(const IniDocument &ini, const LotteryDefinition &lottery)
{
    return ini.keys(lottery.systemSection());
}

QString templatePath(
    const IniDocument &ini, const QString &section, const QString &systemName, const ProgramFolder &folder)
{
    return pathInSystemFolder(folder, ini.readString(section, systemName, kDefaultTemplate));
}

int neededCount(const QString &systemName)
{
    return textToInt(extractField(1, systemName, comboDelimiters()));
}

QString headerWord(const QString &systemName)
{
    return extractField(1, systemName, CharSet { ' ' });
}

Outcome<QStringList> description(
    const IniDocument &ini, const QString &section, const QString &systemName, const ProgramFolder &folder)
{
    const QString value = ini.value(section, systemName).value_or(QString());
    if (value.isEmpty())
        return QStringList();
    const QString path = pathInSystemFolder(folder, value);
    if (!QFileInfo(path).isFile())
        return QStringList();
    const Outcome<QString> text = textfile::readText(path);
    if (!text)
        return text.failure();
    return SystemTemplate::parse(*text).description();
}

} // namespace systems

SystemExpansion expandCurrentSystem(TemplateCache &cache, const IniDocument &ini,
    const LotteryDefinition &lottery, const QString &systemName, const ProgramFolder &folder,
    const QStringList &markedCaptions, const MessageCatalog &messages)
{
    SystemExpansion result;
    result.templatePath = systems::templatePath(ini, lottery.systemSection(), systemName, folder);
    const Outcome<std::shared_ptr<const SystemTemplate>> loaded = cache.load(result.templatePath);
    if (!loaded)
        result.error = loaded.failure().text;
    const std::shared_ptr<const SystemTemplate> tmpl = loaded ? *loaded : nullptr;
    if (!tmpl) {
        result.message = result.error.isEmpty()
            ? messages("Str86").arg(QDir::toNativeSeparators(result.templatePath))
            : messages("Str87").arg(result.error);
        result.status = selectionStatus(static_cast<int>(markedCaptions.size()), messages);
        return result;
    }
    if (!tmpl->fitsList()) {
        // A row wider than the list would be cut: such a template is refused.
        result.message = withPlurals(
            messages("Str147").arg(QDir::toNativeSeparators(result.templatePath)).arg(tmpl->widestRow()));
        result.status = selectionStatus(static_cast<int>(markedCaptions.size()), messages);
        return result;
    }
    result.applied = true;
    result.uses = tmpl->uses();
    result.list = expandSystem(*tmpl, markedCaptions);
    result.status = expansionStatus(*tmpl, static_cast<int>(markedCaptions.size()), messages);
    return result;
}

} // namespace kivora
