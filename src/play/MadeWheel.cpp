#include "play/MadeWheel.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "play/SystemTemplate.h"
#include "play/Systems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kivora::wheel {

namespace {

// A file name not yet used in the folder: the shape's name, then "-2", "-3", ...
QString freeFileName(const QDir &folder, const WheelShape &shape)
{
    const QString base = fileName(shape).chopped(4);
    QString file = base + QStringLiteral(".ltt");
    for (int i = 2; QFileInfo::exists(folder.filePath(file)); ++i)
        file = base + QStringLiteral("-%1.ltt").arg(i);
    return file;
}

} // namespace

QString nameProblem(const QString &name, const WheelShape &shape, const IniDocument &ini,
    const QString &section, const MessageCatalog &messages)
{
    if (systems::neededCount(name) != shape.guarantee.numbers || name.contains(QLatin1Char('='))
        || name.startsWith(QLatin1Char('[')) || name.startsWith(QLatin1Char(';')))
        return messages("Str214").arg(shape.guarantee.numbers);
    if (ini.value(section, name))
        return messages("Str213").arg(name);
    return {};
}

QString freeSystemName(const WheelShape &shape, int tickets, const IniDocument &ini, const QString &section,
    const MessageCatalog &messages)
{
    const QString base = systemName(shape, tickets, messages);
    QString name = base;
    for (int i = 2; ini.value(section, name); ++i)
        name = base + QStringLiteral(" (%1)").arg(i);
    return name;
}

QString equalSystem(const std::vector<quint64> &tickets, int numbers, const IniDocument &ini,
    const QString &section, const ProgramFolder &folder, const MessageCatalog &messages)
{
    std::vector<quint64> wanted = tickets;
    std::sort(wanted.begin(), wanted.end());
    TemplateCache templates;
    for (const QString &name : ini.keys(section)) {
        // Only a system of as many numbers can be the same; its name says how many.
        if (systems::neededCount(name) != numbers)
            continue;
        const Outcome<std::shared_ptr<const SystemTemplate>> loaded
            = templates.load(systems::templatePath(ini, section, name, folder));
        if (!loaded || !*loaded || (*loaded)->uses() != numbers)
            continue;
        Outcome<std::vector<quint64>> read = ticketsOf(**loaded, messages);
        if (!read)
            continue;
        std::vector<quint64> held = std::move(read).value();
        std::sort(held.begin(), held.end());
        if (held == wanted)
            return name;
    }
    return {};
}

Outcome<QString> addToSystems(const ProgramFolder &folder, const QString &section, const QString &name,
    const WheelShape &shape, const std::vector<quint64> &tickets, const CheckResult &check,
    const MessageCatalog &messages)
{
    const QDir systems(folder.systemFolder());
    QDir().mkpath(systems.path());
    const QString file = freeFileName(systems, shape);
    const QString path = systems.filePath(file);
    if (Done written = textfile::writeLines(path, templateLines(shape, tickets, check, messages)); !written)
        return written.failure();
    const IniFile config(folder.configPath());
    bool taken = false;
    const Done listed = config.update([&](IniDocument &ini) {
        taken = ini.value(section, name).has_value();
        if (!taken)
            ini.writeString(section, name, file);
        return !taken;
    });
    if (listed)
        return path;
    QFile::remove(path);
    if (taken)
        return Failure::refused(messages("Str213").arg(name));
    return listed.failure();
}

} // namespace kivora::wheel
