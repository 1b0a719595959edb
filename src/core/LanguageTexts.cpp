#include "core/LanguageTexts.h"

#include "core/IniFile.h"
#include "core/LanguageIdentity.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace kivora {

namespace {

const QString kMainForm = QStringLiteral("MainForm");

} // namespace

QString withoutAccessKeys(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

LanguageTexts::LanguageTexts(const ProgramFolder &folder)
{
    const IniDocument config = IniFile(folder.configPath()).load();
    const QString file = QFileInfo(
        config.readString(QStringLiteral("Form"), QStringLiteral("LangFile"), QStringLiteral("&russian.lng")))
                             .fileName();
    m_document = IniFile(QDir(folder.languageFolder()).filePath(file)).load();
    m_languageCode = languageIdentity(m_document, file).code;
    const auto entries = m_messages.entries(); // a copy: setText changes the list
    for (const auto &entry : entries) {
        const QString value = m_document.readString(kMainForm, entry.first, QString());
        if (!value.isEmpty())
            m_messages.setText(entry.first, value);
    }
}

QString LanguageTexts::caption(const QString &key, const QString &builtIn) const
{
    const QString value = m_document.readString(kMainForm, key, QString());
    return withoutAccessKeys(value.isEmpty() ? builtIn : value);
}

QString LanguageTexts::columnCaption(const QString &list, int i, const QString &builtIn) const
{
    const QString value
        = m_document.readString(kMainForm, list + QStringLiteral("_ColumnCaption[%1]").arg(i), QString());
    return value.isEmpty() ? builtIn : value;
}

} // namespace kivora
