#include "core/LanguageIdentity.h"

#include "core/IniDocument.h"

namespace kivora {

LanguageIdentity languageIdentity(const IniDocument &doc, const QString &fileName)
{
    const QString section = QStringLiteral("MainForm");
    LanguageIdentity identity;
    identity.name = doc.readString(section, QStringLiteral("LanguageName"), QString()).trimmed();
    identity.code = doc.readString(section, QStringLiteral("LanguageCode"), QString()).trimmed().toLower();
    if (identity.name.isEmpty())
        identity.name = fileName;
    if (identity.code.isEmpty()) {
        const QString file = doc.readString(section, QStringLiteral("N1_Caption"), QString());
        bool cyrillic = file.isEmpty();
        for (const QChar c : file)
            cyrillic = cyrillic || (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF);
        identity.code = cyrillic ? QStringLiteral("ru") : QStringLiteral("en");
    }
    return identity;
}

QLocale interfaceLocale(const QString &code, const QLocale &system)
{
    const QLocale language(code.isEmpty() ? QStringLiteral("ru") : code);
    if (language.language() == QLocale::C)
        return system;
    return system.language() == language.language() ? system : language;
}

} // namespace kivora
