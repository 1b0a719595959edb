// A configuration file read, one key written and read back: every other key keeps
// its value, and the written key reads back as written.

#include "FuzzSupport.h"

#include "core/IniDocument.h"

#include <QList>
#include <QPair>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    if (size < 3)
        return 0;
    QString text;
    if (!fuzz::textOf(data + 3, size - 3, &text))
        return 0;
    const IniDocument original(text);

    // The key to write: one of the file's own, or a new one.
    const QStringList sections = original.sectionNames();
    QString section = QStringLiteral("Form");
    QString key = QStringLiteral("Left");
    if (!sections.isEmpty() && data[0] % 2 == 0) {
        section = sections.at(data[1] % sections.size());
        const QStringList keys = original.keys(section);
        if (!keys.isEmpty())
            key = keys.at(data[2] % keys.size());
    }
    // Names of the file's own form are written as the program writes them: trimmed,
    // without the characters that would make another line of the file.
    const bool usable = !section.trimmed().isEmpty() && !key.trimmed().isEmpty()
        && !key.contains(QLatin1Char('=')) && !key.trimmed().startsWith(QLatin1Char('['))
        && !key.trimmed().startsWith(QLatin1Char(';')) && !section.contains(QLatin1Char(']'));
    if (!usable)
        return 0;
    const QString value = QStringLiteral("v%1 x").arg(data[2]);

    // What every other key reads now.
    QList<QPair<QPair<QString, QString>, std::optional<QString>>> before;
    for (const QString &s : sections) {
        for (const QString &k : original.keys(s)) {
            if (s.trimmed().compare(section.trimmed(), Qt::CaseInsensitive) == 0
                && k.trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0)
                continue;
            before.append({ { s, k }, original.value(s, k) });
        }
    }

    IniDocument changed = original;
    changed.writeString(section, key, value);
    const IniDocument reread(changed.toText());
    fuzz::require(reread.value(section, key) == std::optional<QString>(value));
    for (const auto &entry : before)
        fuzz::require(reread.value(entry.first.first, entry.first.second) == entry.second);

    // Deleting it again leaves the others too.
    changed.deleteKey(section, key);
    const IniDocument afterDelete(changed.toText());
    for (const auto &entry : before)
        fuzz::require(afterDelete.value(entry.first.first, entry.first.second) == entry.second);
    return 0;
}
